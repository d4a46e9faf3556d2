#pragma once
#include <QLayout>
#include <QList>
#include <QRect>
#include <QSize>

// Items left to right, wrapping onto a new row where the width ends: tags and badges that must
// never be cut off, whatever the language makes of their length.
class FlowLayout : public QLayout {
public:
    explicit FlowLayout(QWidget* parent = nullptr, int spacing = 6);
    ~FlowLayout() override;

    // Where items of `sizes` go in rows of `width`, `spacing` apart; an item wider than a row gets
    // a row of its own. `height` receives the rows' total height.
    static QList<QRect> place(const QList<QSize>& sizes, int width, int spacing, int& height);

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    QList<QSize> visibleSizes() const;

    QList<QLayoutItem*> m_items;
};
