#pragma once
#include <QProxyStyle>

// The base style with a solid focus ring in place of its faint dotted focus frame, which is lost on
// the coloured buttons and hard to see anywhere on the light pages.
class FocusRingStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit FocusRingStyle(QStyle* base = nullptr);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};
