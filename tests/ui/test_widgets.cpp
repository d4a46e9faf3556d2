#include "cli/disklisting.h"
#include "core/cloneconfig.h"
#include "modes/systemclonemode.h"
#include "ui/circularprogress.h"
#include "ui/cloneprogresspage.h"
#include "ui/clonesettingsdialog.h"
#include "ui/diskcard.h"
#include "ui/partitioncard.h"
#include "ui/spaceallocationdialog.h"
#include "ui/toggleswitch.h"
#include "ui/uiresources.h"

#include <QDirIterator>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
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
