#include "core/diskmanager.h"
#include "engine/cloneengine.h"
#include "modalanswer.h"
#include "sampledisks.h"
#include "ui/cloneoptionspage.h"
#include "ui/clonesettingsdialog.h"
#include "ui/diskcard.h"
#include "ui/diskgroupheader.h"
#include "ui/mainwindow.h"
#include "ui/partitioncard.h"
#include "ui/selectsourcepage.h"
#include "ui/selecttargetpage.h"
#include "ui/toggleswitch.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {
// Presses `key` where a user's keyboard would send it: to the focus widget of `window`.
void press(QWidget* window, Qt::Key key)
{
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, key);
}

// Presses Tab until `done` holds; false after a full round without it.
bool tabUntil(QWidget* window, const std::function<bool(QWidget*)>& done, int limit = 60)
{
    for (int i = 0; i < limit; ++i) {
        if (window->focusWidget() && done(window->focusWidget()))
            return true;
        press(window, Qt::Key_Tab);
    }
    return false;
}

DiskCard* focusedCard(QWidget* window)
{
    return qobject_cast<DiskCard*>(window->focusWidget());
}

QImage look(QWidget* w)
{
    return w->grab().toImage();
}
}

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("sgdisk")).isEmpty())
            QSKIP("sgdisk is not installed");
        QVERIFY(m_dir.isValid());
        QVERIFY(makeSampleDisks(m_dir));
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void init()
    {
        m_window = std::make_unique<MainWindow>();
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTRY_COMPARE_WITH_TIMEOUT(m_window->disks().size(), 3, 15000);
        QTRY_VERIFY(m_window->nextButton()->isEnabled());
        // Widgets added to a visible layout are shown by a queued call.
        QCoreApplication::processEvents();
    }

    void cleanup() { m_window.reset(); }

    // Mode, source, target, a dialog and the start, with no mouse at all.
    void wizardRunsOnTheKeyboardAlone()
    {
        MainWindow* w = m_window.get();
        auto* diskMode = w->findChild<QPushButton*>(QStringLiteral("btnDiskClone"));
        QVERIFY(tabUntil(w, [&](QWidget* f) { return f == diskMode; }));
        QSignalSpy listed(w->diskManager(), &DiskManager::enumFinished);
        press(w, Qt::Key_Space);
        QCOMPARE(w->mode(), Tessarin::CloneModeType::DiskClone);
        QTRY_VERIFY(listed.count() >= 1);

        // The cards come before Back and Next, as they stand on the screen.
        QVERIFY(tabUntil(w, [&](QWidget* f) { return focusedCard(w) || f == w->nextButton(); }));
        QVERIFY(focusedCard(w));
        QCOMPARE(focusedCard(w)->disk().diskNumber, 0);
        press(w, Qt::Key_Down);
        QCOMPARE(focusedCard(w)->disk().diskNumber, 1);
        press(w, Qt::Key_Up);
        QCOMPARE(focusedCard(w)->disk().diskNumber, 0);
        press(w, Qt::Key_Space);
        QVERIFY(focusedCard(w)->isSelected());
        QCOMPARE(w->state().sourceDisk().diskNumber, 0);

        press(w, Qt::Key_Return);
        QCOMPARE(w->step(), 1);
        // The target list takes the focus, so Enter goes on from here as well.
        QTRY_VERIFY(focusedCard(w) && w->targetPage()->isAncestorOf(focusedCard(w)));
        QCOMPARE(focusedCard(w)->disk().diskNumber, 1);
        press(w, Qt::Key_Space);
        QCOMPARE(w->state().targetDisk().diskNumber, 1);
        press(w, Qt::Key_Return);
        QCOMPARE(w->step(), 2);
        QVERIFY(w->nextButton()->text().contains(QStringLiteral("Start Clone")));
        // No card here: the focus waits on Start Clone.
        QTRY_COMPARE(w->focusWidget(), w->nextButton());

        // The settings dialog: its switches are reached with Tab, Escape leaves without a change.
        QPushButton* settings = w->optionsPage()->settingsButton();
        QVERIFY(tabUntil(w, [&](QWidget* f) { return f == settings; }));
        bool switchReached = false;
        ModalAnswer escape({}, [&](QWidget* dialog) {
            auto* d = qobject_cast<CloneSettingsDialog*>(dialog);
            switchReached = tabUntil(dialog, [&](QWidget* f) { return f == d->sectorBySectorSwitch(); }, 20);
            press(dialog, Qt::Key_Space);
            press(dialog, Qt::Key_Escape);
        });
        press(w, Qt::Key_Space);
        QVERIFY(escape.seen);
        QVERIFY(switchReached);
        QVERIFY(!w->state().config().sectorBySector);

        // Again, and Enter takes what Space chose: the default button is OK even from a switch.
        QCOMPARE(w->focusWidget(), settings);
        ModalAnswer enter({}, [&](QWidget* dialog) {
            auto* d = qobject_cast<CloneSettingsDialog*>(dialog);
            tabUntil(dialog, [&](QWidget* f) { return f == d->sectorBySectorSwitch(); }, 20);
            press(dialog, Qt::Key_Space);
            press(dialog, Qt::Key_Return);
        });
        press(w, Qt::Key_Return);
        QVERIFY(enter.seen);
        QVERIFY(w->state().config().sectorBySector);

        // Tab reaches Start Clone after the page; Enter on it asks the confirmation.
        QVERIFY(tabUntil(w, [&](QWidget* f) { return f == w->nextButton(); }));
        ModalAnswer no(QMessageBox::No);
        press(w, Qt::Key_Return);
        QVERIFY(no.seen);
        QVERIFY(no.text.contains(w->disks()[0].displayName()));
        QVERIFY(!w->engine()->isRunning());
    }

    // Enter goes to the wizard's Next when the focus is on no button.
    void enterOnTheListGoesOn()
    {
        MainWindow* w = m_window.get();
        QVERIFY(tabUntil(w, [&](QWidget*) { return focusedCard(w) != nullptr; }));
        const int chosen = focusedCard(w)->disk().diskNumber;
        press(w, Qt::Key_Enter);
        QCOMPARE(w->state().sourceDisk().diskNumber, chosen);
        QCOMPARE(w->step(), 1);
    }

    // A disk's partitions fold away with Space on its heading, and Tab then passes them by.
    void partitionGroupsFoldFromTheKeyboard()
    {
        MainWindow* w = m_window.get();
        auto* partitionMode = w->findChild<QPushButton*>(QStringLiteral("btnPartitionClone"));
        QVERIFY(tabUntil(w, [&](QWidget* f) { return f == partitionMode; }));
        QSignalSpy listed(w->diskManager(), &DiskManager::enumFinished);
        press(w, Qt::Key_Space);
        QTRY_VERIFY(listed.count() >= 1);
        QCoreApplication::processEvents();

        const auto headers = w->sourcePage()->findChildren<DiskGroupHeader*>();
        QVERIFY(headers.size() >= 2);
        QVERIFY(tabUntil(w, [&](QWidget* f) { return f == headers[0]; }));
        press(w, Qt::Key_Tab);
        QVERIFY(qobject_cast<PartitionCard*>(w->focusWidget()));
        press(w, Qt::Key_Backtab);
        QCOMPARE(w->focusWidget(), headers[0]);
        press(w, Qt::Key_Space);
        QVERIFY(!headers[0]->isExpanded());
        press(w, Qt::Key_Tab);
        QCOMPARE(w->focusWidget(), headers[1]);
    }

    // Focus must show on a card whether it is selected or not.
    void focusIsDrawn_data()
    {
        QTest::addColumn<bool>("selected");
        QTest::newRow("plain") << false;
        QTest::newRow("selected") << true;
    }

    void focusIsDrawn()
    {
        QFETCH(bool, selected);
        MainWindow* w = m_window.get();
        QVERIFY(tabUntil(w, [&](QWidget*) { return focusedCard(w) != nullptr; }));
        DiskCard* card = focusedCard(w);
        card->setSelected(selected);
        const QImage focused = look(card);
        w->nextButton()->setFocus();
        QTRY_VERIFY(!card->hasFocus());
        QVERIFY(look(card) != focused);
        const QImage nextFocused = look(w->nextButton());
        card->setFocus();
        QVERIFY(look(w->nextButton()) != nextFocused);
    }

    void toggleSwitchTakesSpaceAndShowsFocus()
    {
        QWidget box;
        auto* first = new ToggleSwitch(&box);
        auto* second = new ToggleSwitch(&box);
        second->move(0, 40);
        box.show();
        box.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QVERIFY(tabUntil(&box, [&](QWidget* f) { return f == second; }, 4));
        const QImage focused = look(second);
        press(&box, Qt::Key_Space);
        QVERIFY(second->isChecked());
        QVERIFY(!first->isChecked());
        press(&box, Qt::Key_Space);
        QVERIFY(!second->isChecked());
        QTRY_COMPARE(second->position(), 0.0);
        first->setFocus();
        QVERIFY(look(second) != focused);
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_window;
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
