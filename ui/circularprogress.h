#pragma once
#include <QColor>
#include <QWidget>

class QPropertyAnimation;

// A ring that fills clockwise from twelve o'clock, with the percentage in the middle.
class CircularProgress : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged)
    Q_PROPERTY(double animatedValue READ animatedValue WRITE setAnimatedValue)
public:
    explicit CircularProgress(QWidget* parent = nullptr);

    int value() const { return m_value; }
    void setValue(int value);
    double animatedValue() const { return m_animatedValue; }
    void setAnimatedValue(double value);

    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    void setRange(int minimum, int maximum);

    QColor progressColor() const { return m_color; }
    void setProgressColor(const QColor& color);
    bool isTextVisible() const { return m_textVisible; }
    void setTextVisible(bool visible);
    int ringWidth() const { return m_ringWidth; }
    void setRingWidth(int width);

    // The filled share of the range, 0..1, from the displayed value; 0 for an empty range.
    double fraction() const;
    // The percentage in the middle: the value itself, so that it never lags behind a progress bar
    // fed the same value while the ring's fill catches up.
    QString text() const;

    QSize sizeHint() const override { return QSize(180, 180); }
    QSize minimumSizeHint() const override { return QSize(80, 80); }

    static inline const QColor TrackColor{0xE5, 0xE7, 0xEB};
    static inline const QColor TextColor{0x11, 0x18, 0x27};

signals:
    void valueChanged(int value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_value = 0;
    double m_animatedValue = 0.0;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_ringWidth = 8;
    bool m_textVisible = true;
    QColor m_color{0x25, 0x63, 0xEB};
    QPropertyAnimation* m_animation = nullptr;
};
