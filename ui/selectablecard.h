#pragma once
#include <QFrame>

// A card in a pick-one list: a left click selects it (never deselects) and the border shows
// selection and hover.
class SelectableCard : public QFrame {
    Q_OBJECT
    Q_PROPERTY(bool selected READ isSelected WRITE setSelected NOTIFY selectedChanged)
public:
    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);

signals:
    void clicked();
    void selectedChanged(bool selected);

protected:
    // `objectName` is also the style sheet's selector, so the card's children keep their own look.
    SelectableCard(const QString& objectName, int cornerRadius, QWidget* parent);

    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void applyStyle();

    int m_cornerRadius;
    bool m_selected = false;
};
