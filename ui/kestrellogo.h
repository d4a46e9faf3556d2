#pragma once
#include <QWidget>

// The product mark: a stylised kestrel in orange and cream.
class KestrelLogo : public QWidget {
    Q_OBJECT
public:
    explicit KestrelLogo(QWidget* parent = nullptr);

    QSize sizeHint() const override { return QSize(40, 40); }
    static void paintMark(QPainter& painter, const QRectF& box);

protected:
    void paintEvent(QPaintEvent* event) override;
};
