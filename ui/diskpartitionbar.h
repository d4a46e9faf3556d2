#pragma once
#include "core/diskinfo.h"

#include <QColor>
#include <QFontMetrics>
#include <QList>
#include <QWidget>

// A disk's partitions drawn left to right, widths proportional to their sizes.
class DiskPartitionBar : public QWidget {
    Q_OBJECT
public:
    explicit DiskPartitionBar(const DiskInfo& disk, QWidget* parent = nullptr);

    void setDisk(const DiskInfo& disk);
    const DiskInfo& disk() const { return m_disk; }

    // The segment colours, in order; partitions take them in turn.
    static const QList<QColor>& partitionPalette();
    // "EFI", "Recovery", "MSR", the drive letter, the label or "P<number>".
    static QString shortTag(const PartitionInfo& partition);
    // Segment rectangles for the partitions of `disk` inside a bar of `width` pixels.
    static QList<QRect> segmentRects(const DiskInfo& disk, int width, int height);

    // Where the legend's "tag (size)" captions go under a bar of `width`, in rows as needed, with
    // `metrics` of the caption font; `height` receives the rows' height.
    static QList<QRect> captionRects(const DiskInfo& disk, const QFontMetrics& metrics, int width, int& height);
    static QString captionText(const PartitionInfo& partition);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QFont captionFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DiskInfo m_disk;
};
