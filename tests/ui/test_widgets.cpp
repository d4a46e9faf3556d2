#include "core/diskinfo.h"
#include "ui/clonesettingsdialog.h"
#include "ui/diskcard.h"
#include "ui/spaceallocationdialog.h"
#include "ui/toggleswitch.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
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

}

class TestWidgets : public QObject {
    Q_OBJECT
private slots:
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

    void spaceAllocationModeAndLabel()
    {
        SpaceAllocationDialog d;
        QCOMPARE(d.mode(), 1);
        QCOMPARE(d.dataPartitionLabel(), QStringLiteral("Data"));
        QVERIFY(d.labelEdit()->isEnabled());
        d.labelEdit()->setText(QStringLiteral("Media"));
        d.findChild<QRadioButton*>(QStringLiteral("radioKeep"))->click();
        QCOMPARE(d.mode(), 2);
        QVERIFY(!d.labelEdit()->isEnabled());
        d.findChild<QRadioButton*>(QStringLiteral("radioData"))->click();
        QVERIFY(d.labelEdit()->isEnabled());
        QCOMPARE(d.dataPartitionLabel(), QStringLiteral("Media"));
        d.setMode(0);
        QCOMPARE(d.mode(), 0);
        QVERIFY(!d.labelEdit()->isEnabled());
        d.setMode(9);  // not a mode: the choice stays
        QCOMPARE(d.mode(), 0);
        d.setMode(1);
        QVERIFY(d.labelEdit()->isEnabled());

        d.setDataPartitionLabel(QStringLiteral("  Backup \t"));
        QCOMPARE(d.dataPartitionLabel(), QStringLiteral("Backup"));
        d.labelEdit()->clear();
        QTest::keyClicks(d.labelEdit(), QString(40, QLatin1Char('x')));
        QCOMPARE(d.labelEdit()->text().size(), 32);
        QCOMPARE(d.dataPartitionLabel(), QString(32, QLatin1Char('x')));
    }

    void smartCloneAndSectorBySectorExcludeEachOther()
    {
        CloneSettingsDialog d;
        d.show();
        ToggleSwitch* smart = d.smartCloneSwitch();
        ToggleSwitch* align = d.align4KSwitch();
        ToggleSwitch* sector = d.sectorBySectorSwitch();
        QTest::mouseClick(sector, Qt::LeftButton);
        QVERIFY(sector->isChecked());
        QVERIFY(!smart->isChecked());
        QVERIFY(align->isChecked());
        QTest::mouseClick(smart, Qt::LeftButton);
        QVERIFY(smart->isChecked());
        QVERIFY(!sector->isChecked());
        QTest::mouseClick(smart, Qt::LeftButton);  // switching off touches nothing else
        QVERIFY(!smart->isChecked());
        QVERIFY(!sector->isChecked());
        QTest::mouseClick(align, Qt::LeftButton);
        QVERIFY(!align->isChecked());
        QVERIFY(!smart->isChecked() && !sector->isChecked());

        d.setOptions(true, true, true);
        QTest::mouseClick(smart, Qt::LeftButton);  // off: sector stays on
        QVERIFY(sector->isChecked());
        QTest::mouseClick(smart, Qt::LeftButton);  // on again: sector goes off
        QVERIFY(!sector->isChecked());
    }
};

QTEST_MAIN(TestWidgets)
#include "test_widgets.moc"
