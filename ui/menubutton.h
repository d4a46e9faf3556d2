#pragma once
#include <QPushButton>

// The title-bar menu button: three short lines, a light background on hover.
class MenuButton : public QPushButton {
    Q_OBJECT
public:
    explicit MenuButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
};
