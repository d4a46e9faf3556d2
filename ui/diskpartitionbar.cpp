#include "ui/diskpartitionbar.h"

#include "core/tessarin.h"

#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int BarHeight = 26;
constexpr int CaptionHeight = 18;
constexpr int MinSegment = 26;
}

DiskPartitionBar::DiskPartitionBar(const DiskInfo& disk, QWidget* parent)
    : QWidget(parent)
    , m_disk(disk)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void DiskPartitionBar::setDisk(const DiskInfo& disk)
{
    m_disk = disk;
    updateGeometry();
    update();
}

const QList<QColor>& DiskPartitionBar::partitionPalette()
{
    static const QList<QColor> colours{QColor("#0D55D8"), QColor("#2EA7F2"), QColor("#0C8AF8"),
                                       QColor("#9CC8F4"), QColor("#8EA8F7"), QColor("#2AC77C"),
                                       QColor("#FF8A00")};
    return colours;
}

QString DiskPartitionBar::shortTag(const PartitionInfo& partition)
{
    if (partition.isEfi)
        return QStringLiteral("EFI");
    if (partition.isRecovery)
        return tr("Recovery");
    if (partition.isMsr || partition.typeGuid.toUpper().contains(QLatin1String(Tessarin::MsrTypeText)))
        return QStringLiteral("MSR");
    if (!partition.driveLetter.isEmpty()) {
        if (partition.driveLetter.endsWith(QLatin1Char(':')))
            return partition.driveLetter;
        return partition.driveLetter + QLatin1Char(':');
    }
    if (!partition.label.isEmpty())
        return partition.label;
    return QStringLiteral("P%1").arg(partition.partitionNumber);
}

QList<QRect> DiskPartitionBar::segmentRects(const DiskInfo& disk, int width, int height)
{
    QList<QRect> rects;
    const int n = int(disk.partitions.size());
    if (n == 0 || width <= 0)
        return rects;
    uint64_t total = disk.size;
    uint64_t sum = 0;
    for (const PartitionInfo& p : disk.partitions)
        sum += p.size;
    if (total < sum)
        total = sum;
    if (total == 0)
        total = 1;

    // Tiny partitions (MSR, EFI) keep a readable minimum; the rest share what is left.
    const int minWidth = qMin(MinSegment, width / n);
    QList<int> widths;
    int fixed = 0;
    uint64_t bigBytes = 0;
    for (const PartitionInfo& p : disk.partitions) {
        const double share = double(p.size) / double(total) * width;
        if (share < minWidth) {
            widths << minWidth;
            fixed += minWidth;
        } else {
            widths << -1;
            bigBytes += p.size;
        }
    }
    const double usable = double(width - fixed) * (double(sum) / double(total));
    int x = 0;
    for (int i = 0; i < n; ++i) {
        int w = widths[i];
        if (w < 0)
            w = bigBytes ? int(usable * double(disk.partitions[i].size) / double(bigBytes)) : minWidth;
        w = qMin(w, width - x);
        rects << QRect(x, 0, qMax(0, w), height);
        x += w;
    }
    return rects;
}

QSize DiskPartitionBar::sizeHint() const
{
    return QSize(400, BarHeight + CaptionHeight + 4);
}

QSize DiskPartitionBar::minimumSizeHint() const
{
    return QSize(120, BarHeight + CaptionHeight + 4);
}

void DiskPartitionBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect bar(0, 0, width(), BarHeight);

    QPainterPath clip;
    clip.addRoundedRect(QRectF(bar), 6, 6);
    p.setClipPath(clip);
    p.fillRect(bar, QColor("#E5E7EB"));

    const QList<QColor>& colours = partitionPalette();
    const QList<QRect> rects = segmentRects(m_disk, width(), BarHeight);
    QFont small = font();
    small.setPixelSize(11);
    small.setBold(true);
    p.setFont(small);
    for (int i = 0; i < rects.size(); ++i) {
        const QColor c = colours[i % colours.size()];
        const QRect r = rects[i];
        p.fillRect(r.adjusted(0, 0, -1, 0), c);
        p.setPen(c.lightness() > 170 ? QColor("#1F2937") : Qt::white);
        const QString tag = shortTag(m_disk.partitions[i]);
        if (p.fontMetrics().horizontalAdvance(tag) + 4 <= r.width())
            p.drawText(r, Qt::AlignCenter, tag);
    }
    p.setClipping(false);

    // Captions under the bar: "tag (size)" as far as they fit.
    QFont captionFont = font();
    captionFont.setPixelSize(11);
    p.setFont(captionFont);
    int x = 0;
    const int y = BarHeight + 3;
    for (int i = 0; i < m_disk.partitions.size(); ++i) {
        const PartitionInfo& part = m_disk.partitions[i];
        const QString caption =
            tr("%1 (%2)").arg(shortTag(part), Tessarin::formatSize(part.size, 1));
        const int w = p.fontMetrics().horizontalAdvance(caption) + 14;
        if (x + w > width())
            break;
        p.setPen(Qt::NoPen);
        p.setBrush(colours[i % colours.size()]);
        p.drawEllipse(QRectF(x, y + 5, 8, 8));
        p.setPen(QColor("#4B5563"));
        p.drawText(QRect(x + 11, y, w, CaptionHeight), Qt::AlignLeft | Qt::AlignVCenter, caption);
        x += w + 6;
    }
}
