#include "cli/disklisting.h"
#include "core/cloneconfig.h"
#include "modes/systemclonemode.h"
#include "ui/circularprogress.h"
#include "ui/cloneprogresspage.h"
#include "ui/clonesettingsdialog.h"
#include "ui/diskcard.h"
#include "ui/diskpartitionbar.h"
#include "ui/logview.h"
#include "ui/menubutton.h"
#include "ui/partitioncard.h"
#include "ui/selectsourcepage.h"
#include "ui/spaceallocationdialog.h"
#include "ui/toggleswitch.h"
#include "ui/uiresources.h"

#include <QDirIterator>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollArea>
#include <QtTest>

class TestWidgets : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { UiResources::init(); }

    // The ring's figure is the bar's at once, not after its fill has caught up.
    void ringAndBarShowOnePercentage()
    {
        CloneProgressPage page;
        for (int percent : {40, 73, 100, 0}) {
            page.setProgress(percent);
            QCOMPARE(page.circularProgress()->text(), QStringLiteral("%1%").arg(page.progressBar()->value()));
        }
    }

    // Every picture the window shows is drawn on every platform: Qt for Windows reads no SVG.
    void iconsAreDrawn()
    {
        DiskInfo disk;
        disk.size = 64ull << 30;
        const DiskCard card(disk);
        const QLabel* icon = card.findChild<QLabel*>(QStringLiteral("diskIcon"));
        QVERIFY(icon && !icon->pixmap().isNull());
        int icons = 0;
        for (QDirIterator it(QStringLiteral(":/icons")); it.hasNext(); ++icons) {
            const QString path = it.next();
            QVERIFY2(!QIcon(path).pixmap(40, 40).isNull(), qPrintable(path));
        }
        QVERIFY(icons >= 6);
    }

    // The label only applies to a new data partition; it is trimmed and kept to 32 characters.
    void spaceAllocationModeAndLabel()
    {
        SpaceAllocationDialog d;
        QCOMPARE(d.mode(), 1);
        QVERIFY(d.labelEdit()->isEnabled());
        d.findChild<QRadioButton*>(QStringLiteral("radioKeep"))->click();
        QCOMPARE(d.mode(), 2);
        QVERIFY(!d.labelEdit()->isEnabled());
        d.setMode(0);
        d.setMode(9);  // not a mode: the choice stays
        QCOMPARE(d.mode(), 0);
        QVERIFY(!d.labelEdit()->isEnabled());
        d.findChild<QRadioButton*>(QStringLiteral("radioData"))->click();
        QVERIFY(d.labelEdit()->isEnabled());
        d.setDataPartitionLabel(QStringLiteral("  Backup \t"));
        QCOMPARE(d.dataPartitionLabel(), QStringLiteral("Backup"));
        d.labelEdit()->clear();
        QTest::keyClicks(d.labelEdit(), QString(40, QLatin1Char('x')));
        QCOMPARE(d.dataPartitionLabel(), QString(32, QLatin1Char('x')));
    }

    // On one sample system disk the system clone's selection, the source page's cards and the
    // command-line listing agree on which volume holds Windows, mounted or not.
    void windowsVolumeAgreesEverywhere_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("cloned");
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("badge");
        QTest::addColumn<bool>("listedWindows");
        QTest::newRow("EFI") << 1 << true << "Boot" << "Boot" << false;
        QTest::newRow("MSR") << 2 << true << "Boot" << "Boot" << false;
        QTest::newRow("Windows, not mounted") << 3 << true << "Windows" << "System" << true;
        QTest::newRow("recovery") << 4 << true << "Recovery" << "Recovery" << false;
        QTest::newRow("data") << 5 << false << "Not cloned" << "NTFS" << false;
        QTest::newRow("Windows, mounted") << 6 << true << "Windows" << "System" << true;
    }
    void windowsVolumeAgreesEverywhere()
    {
        QFETCH(int, number);
        QFETCH(bool, cloned);
        QFETCH(QString, role);
        QFETCH(QString, badge);
        QFETCH(bool, listedWindows);
        auto partition = [](int n, uint64_t mib, Tessarin::FileSystemType fs) {
            PartitionInfo p;
            p.diskNumber = 0;
            p.partitionNumber = n;
            p.start512 = 2048 + uint64_t(n) * 4 * 1024 * 2048;
            p.size = mib << 20;
            p.count512 = p.size / 512;
            p.fileSystem = fs;
            return p;
        };
        using FS = Tessarin::FileSystemType;
        CloneConfig config;
        DiskInfo& disk = config.sourceDisk;
        disk.diskNumber = 0;
        disk.size = 64ull << 30;
        disk.partitionStyle = Tessarin::PartitionStyle::GPT;
        PartitionInfo efi = partition(1, 100, FS::FAT32), msr = partition(2, 16, FS::Unknown);
        PartitionInfo windows = partition(3, 4000, FS::NTFS), recovery = partition(4, 500, FS::NTFS);
        PartitionInfo data = partition(5, 4000, FS::NTFS), mounted = partition(6, 4000, FS::NTFS);
        efi.isEfi = true;
        efi.typeGuid = QStringLiteral("{%1}").arg(QLatin1String(Tessarin::EfiTypeText));
        msr.isMsr = true;
        msr.typeGuid = QStringLiteral("{%1}").arg(QLatin1String(Tessarin::MsrTypeText));
        windows.hasWindows = true;  // found by the read-only probe, no drive letter
        recovery.isRecovery = true;
        mounted.driveLetter = QStringLiteral("D:");
        mounted.isSystem = mounted.hasWindows = true;
        disk.partitions = {efi, msr, windows, recovery, data, mounted};
        const PartitionInfo& p = disk.partitions.at(number - 1);

        SystemCloneMode clone;
        clone.setConfig(config);
        bool taken = false;
        for (const PartitionInfo& t : clone.detectSystemPartitions())
            taken = taken || t.partitionNumber == number;
        QCOMPARE(taken, cloned);
        QCOMPARE(DiskCard::systemCloneRole(p), role);
        QCOMPARE(PartitionCard::badgeText(p), badge);
        QCOMPARE(DiskListing::roles(p).contains(QStringLiteral("Windows")), listedWindows);
    }

    // Many partitions with long names, as a long language makes the tags: every tag, badge and the
    // size stay whole inside the list's width, and the legend names every partition.
    void longCardsWrapInsteadOfCutting_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("system clone") << int(Tessarin::CloneModeType::SystemClone);
        QTest::newRow("disk clone") << int(Tessarin::CloneModeType::DiskClone);
        QTest::newRow("partition clone") << int(Tessarin::CloneModeType::PartitionClone);
    }

    void longCardsWrapInsteadOfCutting()
    {
        QFETCH(int, mode);
        DiskInfo disk;
        disk.diskNumber = 1;
        disk.model = QStringLiteral("Samsung SSD 980 PRO 2TB");
        disk.realPath = QStringLiteral("/srv/images/werkstatt/kunde-eins.img");
        disk.size = 64ull << 30;
        disk.isSystemDisk = true;
        disk.partitionStyle = Tessarin::PartitionStyle::GPT;
        for (int n = 1; n <= 6; ++n) {
            PartitionInfo p;
            p.diskNumber = 1;
            p.partitionNumber = n;
            p.start512 = 2048 + uint64_t(n) * (8ull << 21);
            p.size = 8ull << 30;
            p.count512 = p.size / 512;
            p.fileSystem = Tessarin::FileSystemType::NTFS;
            p.label = QStringLiteral("Wiederherstellungsdaten %1").arg(n);
            p.hasWindows = n == 3;
            disk.partitions << p;
        }
        SelectSourcePage page;
        page.resize(640, 520);
        page.showDisks({disk}, Tessarin::CloneModeType(mode), -1, PartitionInfo());
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QApplication::processEvents();
        const QWidget* viewport = page.findChild<QScrollArea*>()->viewport();
        const QList<QWidget*> cards = page.findChildren<QWidget*>(QRegularExpression(QStringLiteral("^(DiskCard|PartitionCard)$")));
        QVERIFY(!cards.isEmpty());
        for (const QWidget* card : cards) {
            const QRect onViewport(card->mapTo(viewport, QPoint(0, 0)), card->size());
            QVERIFY2(onViewport.right() < viewport->width(), qPrintable(card->objectName()));
            QList<QRect> taken;
            for (const QLabel* label : card->findChildren<QLabel*>()) {
                const QRect r(label->mapTo(card, QPoint(0, 0)), label->size());
                QVERIFY2(card->rect().contains(r) && r.width() >= label->minimumSizeHint().width(), qPrintable(label->text()));
                for (const QRect& other : taken)
                    QVERIFY2(!other.intersects(r), qPrintable(label->text()));
                taken << r;
            }
        }
        for (const DiskPartitionBar* bar : page.findChildren<DiskPartitionBar*>()) {
            int height = 0;
            const QList<QRect> captions = DiskPartitionBar::captionRects(disk, QFontMetrics(bar->captionFont()), bar->width(), height);
            QCOMPARE(captions.size(), disk.partitions.size());
            for (const QRect& r : captions)
                QVERIFY(r.right() < bar->width());
            QVERIFY(bar->height() >= bar->heightForWidth(bar->width()));
        }
        if (mode == int(Tessarin::CloneModeType::SystemClone))
            QCOMPARE(page.findChildren<QLabel*>(QStringLiteral("roleTag")).size(), disk.partitions.size());
    }

    // Safety options that are on show on the options card, whichever copy options are set.
    void settingsSummaryShowsSafetyOptions_data()
    {
        QTest::addColumn<QList<bool>>("options");  // smart, 4K, sector, verify, continue
        QTest::addColumn<QString>("summary");
        QTest::newRow("defaults") << QList<bool>{true, true, false, false, false} << QStringLiteral("Smart clone, 4K alignment");
        QTest::newRow("verify") << QList<bool>{true, false, false, true, false} << QStringLiteral("Smart clone, Verify the copy");
        QTest::newRow("sector, both") << QList<bool>{false, true, true, true, true}
                                      << QStringLiteral("Sector-by-sector clone, Verify the copy, Continue past unreadable sectors");
        QTest::newRow("only continue") << QList<bool>{false, false, false, false, true}
                                       << QStringLiteral("Continue past unreadable sectors");
        QTest::newRow("nothing") << QList<bool>{false, false, false, false, false} << QStringLiteral("No options selected");
    }

    void settingsSummaryShowsSafetyOptions()
    {
        QFETCH(QList<bool>, options);
        QFETCH(QString, summary);
        QCOMPARE(CloneSettingsDialog::summaryText(options[0], options[1], options[2], options[3], options[4]), summary);
    }

    // The title menu opens under its button and inside the window, whatever side the button is on.
    void titleMenuStaysInsideTheWindow_data()
    {
        QTest::addColumn<QRect>("button");
        QTest::addColumn<QSize>("menu");
        QTest::addColumn<QPoint>("at");
        const QRect window(100, 50, 980, 680);
        QTest::newRow("right edge") << QRect(1020, 50, 46, 32) << QSize(220, 300) << QPoint(860, 82);
        QTest::newRow("room to the right") << QRect(300, 50, 46, 32) << QSize(220, 300) << QPoint(300, 82);
        QTest::newRow("wider than the window") << QRect(1020, 50, 46, 32) << QSize(1200, 300) << QPoint(100, 82);
    }

    void titleMenuStaysInsideTheWindow()
    {
        QFETCH(QRect, button);
        QFETCH(QSize, menu);
        QFETCH(QPoint, at);
        QCOMPARE(MenuButton::popupPosition(button, menu, QRect(100, 50, 980, 680)), at);
    }

    // A run that verifies range by range names each phase once, and its ending not at all (the
    // ending has a line of its own); a new run starts afresh.
    void logNamesEachPhaseOnce()
    {
        LogView log;
        using namespace Tessarin;
        for (CloneStatus s : {Preparing, CloningData, Verifying, CloningData, Verifying, CloningData, RepairingBoot, Completed, Completed})
            log.appendStatus(s);
        const QString text = log.toPlainText();
        QCOMPARE(text.count(QStringLiteral("Cloning data")), 1);
        QCOMPARE(text.count(QStringLiteral("Verifying data")), 1);
        QVERIFY(!text.contains(QStringLiteral("Completed")) && text.contains(QStringLiteral("Preparing")));
        QCOMPARE(log.document()->blockCount(), 4);
        log.clear();
        log.appendStatus(CloningData);
        QVERIFY(log.toPlainText().contains(QStringLiteral("Cloning data")));
    }

    // Switching one of them on switches the other off; switching off touches nothing else.
    void smartCloneAndSectorBySectorExcludeEachOther()
    {
        CloneSettingsDialog d;
        d.show();
        ToggleSwitch* smart = d.smartCloneSwitch();
        ToggleSwitch* sector = d.sectorBySectorSwitch();
        QTest::mouseClick(sector, Qt::LeftButton);
        QVERIFY(sector->isChecked() && !smart->isChecked() && d.align4KSwitch()->isChecked());
        QTest::mouseClick(smart, Qt::LeftButton);
        QVERIFY(smart->isChecked() && !sector->isChecked());
        d.setOptions(true, true, true);
        QTest::mouseClick(smart, Qt::LeftButton);
        QVERIFY(!smart->isChecked() && sector->isChecked());
        QTest::mouseClick(smart, Qt::LeftButton);
        QVERIFY(smart->isChecked() && !sector->isChecked());
    }
};

QTEST_MAIN(TestWidgets)
#include "test_widgets.moc"
