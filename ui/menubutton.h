#pragma once
#include <QPushButton>

// The title-bar menu button: three short lines, a light background on hover, a ring on focus.
class MenuButton : public QPushButton {
    Q_OBJECT
public:
    explicit MenuButton(QWidget* parent = nullptr);

    // Where a menu of `menuSize` opens under a button at `button` (global) so that it stays inside
    // `window` (global): at the button's left, moved left as far as the window's right edge asks.
    static QPoint popupPosition(const QRect& button, const QSize& menuSize, const QRect& window);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
};
