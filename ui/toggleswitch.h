#pragma once
#include <QWidget>

class QPropertyAnimation;

// An animated on/off switch; Space toggles it when it has the keyboard focus.
class ToggleSwitch : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool checked READ isChecked WRITE setChecked NOTIFY toggled)
    Q_PROPERTY(double position READ position WRITE setPosition)
public:
    explicit ToggleSwitch(QWidget* parent = nullptr);

    bool isChecked() const { return m_checked; }
    void setChecked(bool checked);
    double position() const { return m_position; }
    void setPosition(double position);

    QSize sizeHint() const override { return QSize(44, 26); }

    static constexpr int AnimationMs = 150;

signals:
    void toggled(bool checked);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void animateTo(double end);

    bool m_checked = false;
    double m_position = 0.0;
    QPropertyAnimation* m_animation = nullptr;
};
