#include "ui/bootmodedialog.h"
#include "ui/clonesettingsdialog.h"
#include "ui/spaceallocationdialog.h"
#include "ui/toggleswitch.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void bootModeDefaultsSettersAndButtons()
    {
        BootModeDialog d;
        QCOMPARE(d.bootMode(), 0);
        d.setBootMode(1);
        QCOMPARE(d.bootMode(), 1);
        d.setBootMode(0);
        QCOMPARE(d.bootMode(), 0);
        d.setBootMode(5);  // anything but 0 means Legacy
        QCOMPARE(d.bootMode(), 1);
        QVERIFY(d.findChild<QRadioButton*>(QStringLiteral("radioLegacy"))->isChecked());
        d.findChild<QRadioButton*>(QStringLiteral("radioUefi"))->click();
        QCOMPARE(d.bootMode(), 0);
        QVERIFY(!d.findChild<QRadioButton*>(QStringLiteral("radioLegacy"))->isChecked());

        d.open();
        d.findChild<QPushButton*>(QStringLiteral("btnOk"))->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        d.open();
        d.findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
        QCOMPARE(d.result(), int(QDialog::Rejected));
    }

    // The default modes' texts are checked through the main window's log.
    void displayTexts()
    {
        QCOMPARE(BootModeDialog::modeText(1), QStringLiteral("Legacy (MBR)"));
        QCOMPARE(BootModeDialog::modeText(2), QStringLiteral("Unknown"));
        QCOMPARE(SpaceAllocationDialog::modeText(0), QStringLiteral("Expand system partition"));
        QCOMPARE(SpaceAllocationDialog::modeText(2), QStringLiteral("Keep unallocated"));
        QCOMPARE(SpaceAllocationDialog::modeText(-1), QStringLiteral("Unknown"));
    }

    void optionSummaries()
    {
        QCOMPARE(CloneSettingsDialog::summaryText(true, true, false), QStringLiteral("Smart clone, 4K alignment"));
        QCOMPARE(CloneSettingsDialog::summaryText(true, false, false), QStringLiteral("Smart clone"));
        QCOMPARE(CloneSettingsDialog::summaryText(false, true, false), QStringLiteral("4K alignment"));
        QCOMPARE(CloneSettingsDialog::summaryText(false, false, false), QStringLiteral("No options selected"));
        QCOMPARE(CloneSettingsDialog::summaryText(false, true, true), QStringLiteral("Sector-by-sector clone"));
        QCOMPARE(CloneSettingsDialog::summaryText(true, true, true), QStringLiteral("Sector-by-sector clone"));
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

    void cloneSettingsDefaultsAndSetter()
    {
        CloneSettingsDialog d;
        CloneSettingsDialog::Options o = d.options();
        QVERIFY(o.smartClone && o.align4K && !o.sectorBySector);
        // Loading both copy methods keeps both: the exclusion only answers the user's switching.
        d.setOptions(true, false, true);
        o = d.options();
        QVERIFY(o.smartClone && !o.align4K && o.sectorBySector);
        d.setOptions(false, true, false);
        o = d.options();
        QVERIFY(!o.smartClone && o.align4K && !o.sectorBySector);
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

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
