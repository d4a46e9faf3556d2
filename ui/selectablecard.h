#pragma once
#include <QFrame>

// A card in a pick-one list: a left click, Space or Enter selects it (never deselects), the arrow
// keys move to the neighbouring card, and the border shows selection, hover and keyboard focus.
class SelectableCard : public QFrame {
    Q_OBJECT
    Q_PROPERTY(bool selected READ isSelected WRITE setSelected NOTIFY selectedChanged)
public:
    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);

    // Where the keyboard starts in `container`: its shown selected card, else its first shown card.
    static SelectableCard* focusTarget(QWidget* container);

signals:
    void clicked();
    void selectedChanged(bool selected);

protected:
    // `objectName` is also the style sheet's selector, so the card's children keep their own look.
    SelectableCard(const QString& objectName, int cornerRadius, QWidget* parent);

    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void applyStyle();
    void choose();
    // The next visible card in the tab order, or null at the end of the list.
    SelectableCard* neighbour(bool forward) const;

    int m_cornerRadius;
    bool m_selected = false;
};
