#include "core/diskinfo.h"
#include "ui/circularprogress.h"
#include "ui/diskcard.h"
#include "ui/diskgroupheader.h"
#include "ui/diskpartitionbar.h"
#include "ui/nofocusrectstyle.h"
#include "ui/partitioncard.h"
#include "ui/sidebarwidget.h"
#include "ui/toggleswitch.h"

#include <QLabel>
#include <QPainter>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QStyleOptionFocusRect>
#include <QtTest>

namespace {
PartitionInfo part(int number, uint64_t size)
{
    PartitionInfo p;
    p.diskNumber = 0;
    p.partitionNumber = number;
    p.size = size;
    p.sectorCount = size / 512;
    return p;
}

bool near(const QColor& a, const QColor& b, int tolerance = 12)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
           && qAbs(a.blue() - b.blue()) <= tolerance;
}

// Grabs after the value animation has settled.
QImage settledImage(CircularProgress& w)
{
    QTest::qWait(400);
    return w.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

template <typename Match>
int countPixels(const QImage& img, const QRect& area, Match match)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += match(QColor::fromRgba(img.pixel(x, y))) ? 1 : 0;
    return n;
}

bool isText(const QColor& c) { return near(c, CircularProgress::TextColor, 30); }
}

class TestWidgets : public QObject {
    Q_OBJECT
private slots:
    void shortTagsFollowTheirPriority()
    {
        PartitionInfo p = part(3, 1 << 20);
        QCOMPARE(DiskPartitionBar::shortTag(p), QStringLiteral("P3"));
        p.label = QStringLiteral("Data");
        QCOMPARE(DiskPartitionBar::shortTag(p), QStringLiteral("Data"));
        p.driveLetter = QStringLiteral("D");
        QCOMPARE(DiskPartitionBar::shortTag(p), QStringLiteral("D:"));
        p.driveLetter = QStringLiteral("E:");
        QCOMPARE(DiskPartitionBar::shortTag(p), QStringLiteral("E:"));
        p.isMsr = true;
        QCOMPARE(DiskPartitionBar::shortTag(p), QStringLiteral("MSR"));
        p.isMsr = false;
        p.typeGuid = QStringLiteral("{e3c9e316-0b5c-4db8-817d-f92df00215ae}");
        QCOMPARE(DiskPartitionBar::shortTag(p), QStringLiteral("MSR"));
        p.isRecovery = true;
        QCOMPARE(DiskPartitionBar::shortTag(p), QStringLiteral("Recovery"));
        p.isEfi = true;
        QCOMPARE(DiskPartitionBar::shortTag(p), QStringLiteral("EFI"));
    }

    void systemCloneRoles()
    {
        PartitionInfo windows = part(3, 1 << 30);
        windows.isSystem = true;
        windows.isRecovery = true;  // Windows wins over any type flag
        QCOMPARE(DiskCard::systemCloneRole(windows), QStringLiteral("Windows"));
        PartitionInfo efi = part(1, 1 << 20);
        efi.isEfi = true;
        QCOMPARE(DiskCard::systemCloneRole(efi), QStringLiteral("Boot"));
        PartitionInfo msr = part(2, 1 << 20);
        msr.typeGuid = QStringLiteral("{E3C9E316-0B5C-4DB8-817D-F92DF00215AE}");
        QCOMPARE(DiskCard::systemCloneRole(msr), QStringLiteral("Boot"));
        PartitionInfo recovery = part(4, 1 << 20);
        recovery.isRecovery = true;
        QCOMPARE(DiskCard::systemCloneRole(recovery), QStringLiteral("Recovery"));
        QCOMPARE(DiskCard::systemCloneRole(part(5, 1 << 30)), QStringLiteral("Not cloned"));
    }

    void systemCloneCardTagsDataPartitionAsNotCloned()
    {
        DiskInfo disk;
        disk.diskNumber = 2;
        disk.size = 8ull << 30;
        PartitionInfo data = part(1, 4ull << 30);
        data.label = QStringLiteral("Data");
        disk.partitions << data;
        DiskCard system(disk, true);
        QStringList tags;
        for (QLabel* l : system.findChildren<QLabel*>(QStringLiteral("roleTag")))
            tags << l->text();
        QCOMPARE(tags, QStringList{QStringLiteral("Data · Not cloned")});
        DiskCard plain(disk, false);
        QVERIFY(plain.findChildren<QLabel*>(QStringLiteral("roleTag")).isEmpty());
    }

    void cardClickSelectsButNeverDeselects()
    {
        DiskInfo disk;
        disk.diskNumber = 1;
        disk.size = 1 << 30;
        DiskCard card(disk);
        card.resize(600, 140);
        QSignalSpy clicked(&card, &DiskCard::clicked);
        QSignalSpy selected(&card, &DiskCard::selectedChanged);
        QTest::mouseClick(&card, Qt::LeftButton);
        QVERIFY(card.isSelected());
        QCOMPARE(selected.count(), 1);
        QCOMPARE(selected.at(0).at(0).toBool(), true);
        QTest::mouseClick(&card, Qt::LeftButton);
        QVERIFY(card.isSelected());
        QCOMPARE(selected.count(), 1);
        QCOMPARE(clicked.count(), 2);
        QTest::mouseClick(&card, Qt::RightButton);
        QCOMPARE(clicked.count(), 2);
    }

    void cardBorderFollowsHoverUntilSelected()
    {
        PartitionCard card(part(2, 1 << 30));
        card.resize(500, 80);
        auto border = [&card]() {
            const QString sheet = card.styleSheet();
            const int at = sheet.indexOf(QStringLiteral("solid "));
            return at < 0 ? QString() : sheet.mid(at + 6, 7);
        };
        QVERIFY(card.styleSheet().startsWith(QStringLiteral("QFrame#PartitionCard ")));
        QCOMPARE(border(), QStringLiteral("#E5E7EB"));
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(&card, &enter);
        QCOMPARE(border(), QStringLiteral("#93C5FD"));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&card, &leave);
        QCOMPARE(border(), QStringLiteral("#E5E7EB"));
        QApplication::sendEvent(&card, &enter);
        card.setSelected(true);
        QCOMPARE(border(), QStringLiteral("#2563EB"));
        QApplication::sendEvent(&card, &leave);
        QCOMPARE(border(), QStringLiteral("#2563EB"));
        card.setSelected(false);
        QCOMPARE(border(), QStringLiteral("#E5E7EB"));
    }

    void groupHeaderFlipsAndReportsInOrder()
    {
        DiskInfo disk;
        disk.diskNumber = 4;
        disk.size = 1 << 30;
        DiskGroupHeader header(disk);
        header.resize(500, 60);
        QStringList order;
        connect(&header, &DiskGroupHeader::expandedChanged, this,
                [&](bool e) { order << QStringLiteral("expanded=%1").arg(e); });
        connect(&header, &DiskGroupHeader::toggleClicked, this, [&]() { order << QStringLiteral("toggle"); });
        QVERIFY(header.isExpanded());
        QTest::mouseClick(&header, Qt::LeftButton);
        QVERIFY(!header.isExpanded());
        QCOMPARE(header.arrowText(), QStringLiteral("▸"));
        QTest::mouseClick(&header, Qt::LeftButton);
        QCOMPARE(header.arrowText(), QStringLiteral("▾"));
        QCOMPARE(order, (QStringList{QStringLiteral("expanded=0"), QStringLiteral("toggle"),
                                     QStringLiteral("expanded=1"), QStringLiteral("toggle")}));
    }

    void partitionBarSegmentsAreProportionalAndInside()
    {
        DiskInfo disk;
        disk.size = 100ull << 30;
        disk.partitions << part(1, 100ull << 20) << part(2, 30ull << 30) << part(3, 60ull << 30);
        const QList<QRect> r = DiskPartitionBar::segmentRects(disk, 1000, 20);
        QCOMPARE(r.size(), 3);
        QVERIFY(r[0].width() >= 20);  // the tiny EFI stays visible
        QVERIFY(r[0].right() < r[1].left() && r[1].right() < r[2].left());
        QVERIFY(r[2].right() < 1000);
        const double ratio = double(r[2].width()) / r[1].width();
        QVERIFY2(qAbs(ratio - 2.0) < 0.05, qPrintable(QString::number(ratio)));
        // 10 GB of the 100 GB disk are not partitioned: the segments leave room for it.
        QVERIFY(r[2].right() < 950);
    }

    void toggleSwitchReversesFromWhereItIs()
    {
        ToggleSwitch sw;
        sw.show();
        QSignalSpy toggled(&sw, &ToggleSwitch::toggled);
        QTest::mouseClick(&sw, Qt::LeftButton);
        QVERIFY(sw.isChecked());
        QTest::qWait(50);
        const double mid = sw.position();
        QVERIFY2(mid > 0.0 && mid < 1.0, qPrintable(QString::number(mid)));
        QTest::mouseClick(&sw, Qt::LeftButton);
        QVERIFY(!sw.isChecked());
        QCOMPARE(toggled.count(), 2);
        // Neither end right after the second click: the knob starts back from the middle.
        QVERIFY2(sw.position() > 0.0 && sw.position() < 1.0, qPrintable(QString::number(sw.position())));
        double highest = sw.position();
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 300) {
            QTest::qWait(10);
            highest = qMax(highest, sw.position());
        }
        QCOMPARE(sw.position(), 0.0);
        QVERIFY(highest <= mid + 0.15);

        sw.setChecked(false);  // the value it has: nothing happens
        QCOMPARE(toggled.count(), 2);
        sw.setChecked(true);
        QCOMPARE(toggled.count(), 3);
        QTRY_COMPARE(sw.position(), 1.0);
    }

    void toggleTrackColourFollowsPosition()
    {
        ToggleSwitch sw;
        // Sampled beside the knob, which sits at the left when off and at the right when on.
        auto trackPixel = [&sw](double position) {
            sw.setPosition(position);
            return QColor(sw.grab().toImage().pixel(position < 0.25 ? 40 : 4, 13));
        };
        QVERIFY(near(trackPixel(0.0), QColor("#E1E6EF"), 3));
        QVERIFY(near(trackPixel(1.0), QColor("#1264F6"), 3));
        const QColor half = trackPixel(0.5);
        QVERIFY(near(half, QColor((0xE1 + 0x12) / 2, (0xE6 + 0x64) / 2, (0xEF + 0xF6) / 2), 3));
    }

    void circularProgressEmptyRangeDrawsOnlyTheTrack()
    {
        CircularProgress w;
        w.resize(180, 180);
        w.setProgressColor(QColor(255, 0, 0));
        w.setRange(0, 0);
        w.setValue(50);
        const QImage img = settledImage(w);
        QCOMPARE(countPixels(img, img.rect(), [](const QColor& c) {
                     return c.alpha() >= 200 && c.red() > 200 && c.green() < 80;
                 }), 0);
        QCOMPARE(countPixels(img, img.rect(), [](const QColor& c) { return c.alpha() >= 200 && isText(c); }), 0);
        QVERIFY(countPixels(img, img.rect(), [](const QColor& c) {
                    return c.alpha() >= 200 && near(c, CircularProgress::TrackColor, 4);
                }) > 1000);
        QCOMPARE(w.fraction(), 0.0);
    }

    void circularProgressArcRunsClockwiseFromTwelve()
    {
        CircularProgress w;
        w.resize(180, 180);
        w.setProgressColor(QColor(255, 0, 0));
        w.setValue(50);
        const QImage img = settledImage(w);
        // The ring's middle line lies 5 px inside the edge (width 8, 1 px inset).
        const QColor right = QColor::fromRgba(img.pixel(174, 90));
        const QColor left = QColor::fromRgba(img.pixel(5, 90));
        const QColor topRight = QColor::fromRgba(img.pixel(90 + 60, 90 - 60));
        const QColor bottomLeft = QColor::fromRgba(img.pixel(90 - 60, 90 + 60));
        QVERIFY2(near(right, QColor(255, 0, 0)), qPrintable(right.name()));
        QVERIFY2(near(topRight, QColor(255, 0, 0)), qPrintable(topRight.name()));
        QVERIFY2(near(left, CircularProgress::TrackColor), qPrintable(left.name()));
        QVERIFY2(near(bottomLeft, CircularProgress::TrackColor), qPrintable(bottomLeft.name()));
    }

    void circularProgressTextIsCentred()
    {
        CircularProgress w;
        w.resize(180, 180);
        w.setValue(42);
        const QImage img = settledImage(w);
        int minX = 1000, maxX = -1, minY = 1000, maxY = -1;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (isText(QColor::fromRgba(img.pixel(x, y)))) {
                    minX = qMin(minX, x);
                    maxX = qMax(maxX, x);
                    minY = qMin(minY, y);
                    maxY = qMax(maxY, y);
                }
        QVERIFY(maxX > 0);
        QVERIFY2(qAbs((minX + maxX) / 2 - 90) <= 6, qPrintable(QStringLiteral("%1..%2").arg(minX).arg(maxX)));
        QVERIFY2(qAbs((minY + maxY) / 2 - 90) <= 8, qPrintable(QStringLiteral("%1..%2").arg(minY).arg(maxY)));
        // Roughly a quarter of the side tall (digits of a 45 px font).
        QVERIFY(maxY - minY >= 25 && maxY - minY <= 50);
        w.setTextVisible(false);
        QCOMPARE(countPixels(settledImage(w), QRect(40, 40, 100, 100), isText), 0);
    }

    void sidebarGradientRunsTopToBottom()
    {
        SidebarWidget sidebar;
        sidebar.resize(200, 600);
        const QImage img = sidebar.grab().toImage();
        QVERIFY(near(QColor(img.pixel(100, 0)), QColor("#173B8F"), 4));
        QVERIFY(near(QColor(img.pixel(100, 599)), QColor("#0B82AE"), 4));
        QVERIFY(near(QColor(img.pixel(5, 330)), QColor("#175EB2"), 4));
        QCOMPARE(img.pixel(0, 300), img.pixel(199, 300));  // vertical only
    }

    void noFocusFrameIsDrawn()
    {
        QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
        QVERIFY(fusion);
        QStyleOptionFocusRect option;
        option.rect = QRect(2, 2, 36, 16);
        option.palette = QApplication::palette();
        option.state = QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
        auto painted = [&option](QStyle* style) {
            QImage img(40, 20, QImage::Format_ARGB32);
            img.fill(Qt::transparent);
            QPainter p(&img);
            style->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p);
            p.end();
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    if (qAlpha(img.pixel(x, y)) != 0)
                        return true;
            return false;
        };
        QVERIFY(painted(fusion));  // the base style does draw one
        NoFocusRectStyle style(fusion);
        QVERIFY(!painted(&style));
    }
};

QTEST_MAIN(TestWidgets)
#include "test_widgets.moc"
