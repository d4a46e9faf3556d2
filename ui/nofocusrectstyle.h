#pragma once
#include <QProxyStyle>

// The base style, minus every focus frame.
class NoFocusRectStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit NoFocusRectStyle(QStyle* base = nullptr);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};
