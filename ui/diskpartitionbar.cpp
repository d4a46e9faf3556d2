#include "ui/diskpartitionbar.h"

#include "core/tessarin.h"
#include "ui/flowlayout.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {
constexpr int BarHeight = 26;
constexpr int CaptionHeight = 18;
constexpr int MinSegment = 26;
constexpr int CaptionGap = 3;
constexpr int DotSpace = 14;  // the colour dot and its gap in front of a caption's text
}

DiskPartitionBar::DiskPartitionBar(const DiskInfo& disk, QWidget* parent)
    : QWidget(parent)
    , m_disk(disk)
{
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
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

QString DiskPartitionBar::captionText(const PartitionInfo& partition)
{
    return tr("%1 (%2)").arg(shortTag(partition), Tessarin::formatSize(partition.size, 1));
}

QList<QRect> DiskPartitionBar::captionRects(const DiskInfo& disk, const QFontMetrics& metrics, int width, int& height)
{
    QList<QSize> sizes;
    for (const PartitionInfo& part : disk.partitions)
        sizes << QSize(metrics.horizontalAdvance(captionText(part)) + DotSpace, CaptionHeight);
    return FlowLayout::place(sizes, width, 6, height);
}

QFont DiskPartitionBar::captionFont() const
{
    QFont f = font();
    f.setPixelSize(11);
    return f;
}

int DiskPartitionBar::heightForWidth(int width) const
{
    int captions = 0;
    captionRects(m_disk, QFontMetrics(captionFont()), width, captions);
    return BarHeight + CaptionGap + std::max(captions, CaptionHeight) + 1;
}

QSize DiskPartitionBar::sizeHint() const
{
    return QSize(400, heightForWidth(400));
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

    // The legend under the bar, every entry, in as many rows as it takes.
    p.setFont(captionFont());
    int height = 0;
    const QList<QRect> captions = captionRects(m_disk, p.fontMetrics(), width(), height);
    for (int i = 0; i < captions.size(); ++i) {
        const QRect r = captions[i].translated(0, BarHeight + CaptionGap);
        p.setPen(Qt::NoPen);
        p.setBrush(colours[i % colours.size()]);
        p.drawEllipse(QRectF(r.x(), r.y() + 5, 8, 8));
        p.setPen(QColor("#4B5563"));
        p.drawText(r.adjusted(11, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, captionText(m_disk.partitions[i]));
    }
}
