#include "ui/clonesettingsdialog.h"
#include "ui/spaceallocationdialog.h"
#include "ui/toggleswitch.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

class TestWidgets : public QObject {
    Q_OBJECT
private slots:
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
