#include "core/diskmanager.h"
#include "core/languagesetup.h"
#include "engine/cloneengine.h"
#include "engine/clonemodefactory.h"
#include "common/forwardingdevices.h"
#include "modalanswer.h"
#include "modes/clonemode.h"
#include "sampledisks.h"
#include "ui/cloneoptionspage.h"
#include "ui/circularprogress.h"
#include "ui/cloneprogresspage.h"
#include "ui/clonesettingsdialog.h"
#include "ui/devicewatcher.h"
#include "ui/diskcard.h"
#include "ui/logview.h"
#include "ui/mainwindow.h"
#include "ui/partitioncard.h"
#include "ui/selectsourcepage.h"
#include "ui/selecttargetpage.h"
#include "ui/targetplacecard.h"
#include "ui/toggleswitch.h"

#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <atomic>
#include <memory>

namespace {
// A strategy that holds the worker in execute() or repairBoot() until the test lets it go.
std::atomic<bool> g_releaseCopy{false};
std::atomic<bool> g_releaseRepair{false};
std::atomic<bool> g_refuse{false};

class GateMode : public CloneMode {
public:
    using CloneMode::CloneMode;
    QString name() const override { return QStringLiteral("Gate"); }
    int type() const override { return 0; }
    QString description() const override { return QString(); }
    bool validate(QString& error) override
    {
        if (g_refuse)
            error = QStringLiteral("the target is too small for the test");
        return !g_refuse;
    }
    bool prepare() override { return true; }
    ClonePreflight::Side sourceSide() const override
    {
        const bool partition = config().mode == Tessarin::CloneModeType::PartitionClone;
        return ClonePreflight::wholeDisk(partition ? config().sourcePartition.diskNumber : config().sourceDisk.diskNumber);
    }
    bool execute() override
    {
        emit progressChanged(25, 100);
        return waitFor(g_releaseCopy);
    }
    bool repairBoot() override { waitFor(g_releaseRepair); return true; }

protected:
    bool buildPlan() override
    {
        m_plan.boot << QStringLiteral("gate boot step");
        return true;
    }

private:
    bool waitFor(const std::atomic<bool>& release)
    {
        while (!release && !isCancelled())
            QThread::msleep(5);
        return !isCancelled();
    }
};

// Runs `action` and answers the modal window it opens with `button`; true if one opened.
bool answered(QMessageBox::StandardButton button, const std::function<void()>& action)
{
    ModalAnswer answer(button);
    action();
    return answer.seen;
}

// Runs a mode switch and waits for the list that its enumeration delivers.
void switchMode(MainWindow* window, Tessarin::CloneModeType mode)
{
    QSignalSpy finished(window->diskManager(), &DiskManager::enumFinished);
    window->setMode(mode);
    // The future may report done before its result reaches this thread: wait for the signal.
    QTRY_VERIFY(finished.count() >= 1);
    // Widgets added to a visible layout are shown by a queued call.
    QCoreApplication::processEvents();
}

QList<int> cardNumbers(QWidget* page)
{
    QList<int> numbers;
    for (DiskCard* c : page->findChildren<DiskCard*>())
        numbers << c->disk().diskNumber;
    return numbers;
}

// Disk 0's volumes are mounted read-write; the platform takes no snapshots.
class LiveSourceDevices : public ForwardingDevices {
public:
    using ForwardingDevices::ForwardingDevices;
    std::vector<WritableMount> writableMounts(const std::string& path, const ByteRange&) override
    {
        if (path != "\\\\.\\PhysicalDrive0")
            return {};
        return {WritableMount{{}, "/mnt/busy", {}}};
    }
};

// Answers every message box that opens while it lives with the next of `answers`, keeping its text.
class MessageBoxAnswers : public QObject {
public:
    explicit MessageBoxAnswers(QList<QMessageBox::StandardButton> answers) : m_answers(std::move(answers))
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible() || m_answers.isEmpty())
                return;
            texts << box->text();
            box->button(m_answers.takeFirst())->click();
        });
        m_timer.start(20);
    }
    QStringList texts;
private:
    QList<QMessageBox::StandardButton> m_answers;
    QTimer m_timer;
};

// Opens the title menu and runs `act` on it while it is shown.
bool withTitleMenu(MainWindow* window, const std::function<void(QMenu*)>& act)
{
    bool seen = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || seen)
            return;
        seen = true;
        act(menu);
        menu->close();
    });
    timer.start(20);
    window->findChild<QPushButton*>(QStringLiteral("btnTitleMenu"))->click();
    return seen;
}

QAction* languageAction(QMenu* menu, const QString& text)
{
    for (QAction* a : menu->actions())
        if (a->menu())
            for (QAction* entry : a->menu()->actions())
                if (entry->text() == text)
                    return entry;
    return nullptr;
}

DiskCard* cardFor(QWidget* page, int number)
{
    for (DiskCard* c : page->findChildren<DiskCard*>())
        if (c->disk().diskNumber == number)
            return c;
    return nullptr;
}
}

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("sgdisk")).isEmpty())
            QSKIP("sgdisk is not installed");
        QVERIFY(m_dir.isValid());
        QVERIFY(makeSampleDisks(m_dir));
        QApplication::setQuitOnLastWindowClosed(false);
        CloneModeFactory::setFunction([](Tessarin::CloneModeType, QObject* parent, QString&) -> CloneMode* {
            return new GateMode(parent);
        });
    }

    void init()
    {
        g_releaseCopy = g_releaseRepair = g_refuse = false;
        // Each test starts without the journals of the runs the others stopped.
        const QDir state(QString::fromLocal8Bit(qgetenv("XDG_STATE_HOME")) + QStringLiteral("/tessarin"));
        for (const QString& journal : state.entryList({QStringLiteral("resume-*.journal")}))
            QFile::remove(state.filePath(journal));
        m_window = std::make_unique<MainWindow>();
        m_window->show();
        QTRY_COMPARE_WITH_TIMEOUT(m_window->disks().size(), 3, 15000);
        QTRY_VERIFY(m_window->nextButton()->isEnabled());
    }

    void cleanup()
    {
        g_releaseCopy = g_releaseRepair = true;
        if (m_window && m_window->engine()->isRunning())
            QTRY_VERIFY_WITH_TIMEOUT(!m_window->engine()->isRunning(), 10000);
        m_window.reset();
    }

    // Through every page with the mouse: the engine gets what was picked, the options included.
    void wizardGivesTheEngineWhatWasChosen()
    {
        QVERIFY(answered(QMessageBox::Ok, [&] { m_window->onNextClicked(); }));  // nothing chosen
        QCOMPARE(m_window->step(), 0);

        QTest::mouseClick(cardFor(m_window->sourcePage(), 0), Qt::LeftButton);
        m_window->onNextClicked();
        QCOMPARE(m_window->step(), 1);
        QCOMPARE(cardNumbers(m_window->targetPage()), (QList<int>{1, 2}));
        QTest::mouseClick(cardFor(m_window->targetPage(), 2), Qt::LeftButton);
        m_window->onNextClicked();
        QCOMPARE(m_window->step(), 2);

        ModalAnswer settings({}, [](QWidget* w) {
            qobject_cast<CloneSettingsDialog*>(w)->sectorBySectorSwitch()->setChecked(true);
            qobject_cast<QDialog*>(w)->accept();
        });
        m_window->optionsPage()->settingsButton()->click();
        QVERIFY(settings.seen);

        ModalAnswer no(QMessageBox::No);
        m_window->onNextClicked();
        QVERIFY(no.text.contains(m_window->disks()[0].displayName()));
        QVERIFY(!m_window->engine()->isRunning());

        QVERIFY(answered(QMessageBox::Yes, [&] { m_window->onNextClicked(); }));
        QCOMPARE(m_window->step(), int(MainWindow::ProgressStep));
        const CloneConfig config = m_window->engine()->config();
        QCOMPARE(config.mode, Tessarin::CloneModeType::SystemClone);
        QCOMPARE(config.sourceDisk.diskNumber, 0);
        QCOMPARE(config.targetDisk.diskNumber, 2);
        QVERIFY(config.sectorBySector && !config.smartClone && config.fixBoot);
        g_releaseCopy = true;
        g_releaseRepair = true;
        QTRY_VERIFY_WITH_TIMEOUT(m_window->progressPage()->finishButton()->isVisibleTo(m_window.get()), 5000);
        m_window->onFinishClicked();
        QCOMPARE(m_window->step(), 0);
        QVERIFY(!m_window->state().sourceDisk().isValid());
    }

    // Partitions come grouped by disk (none for the blank ones), one is chosen at a time, and the
    // partition's disk is no target.
    void partitionModeExcludesTheSourceDisk()
    {
        switchMode(m_window.get(), Tessarin::CloneModeType::PartitionClone);
        QWidget* container = m_window->sourcePage()->findChild<QWidget*>(QStringLiteral("partitionContainer_0"));
        QVERIFY(container);
        QVERIFY(!m_window->sourcePage()->findChild<QWidget*>(QStringLiteral("partitionContainer_1")));
        const auto cards = container->findChildren<PartitionCard*>();
        QCOMPARE(cards.size(), 2);
        QTest::mouseClick(cards[1], Qt::LeftButton);
        QTest::mouseClick(cards[0], Qt::LeftButton);
        QVERIFY(cards[0]->isSelected() && !cards[1]->isSelected());
        m_window->onNextClicked();
        QCOMPARE(cardNumbers(m_window->targetPage()), (QList<int>{1, 2}));
    }

    // A partition clone's target is a disk, then a place on it: the whole disk unless the user picks
    // one of the places the disk offers; the question names what is lost.
    void partitionTargetPlaces()
    {
        using Place = CloneConfig::PartitionTarget;
        switchMode(m_window.get(), Tessarin::CloneModeType::PartitionClone);
        QWidget* sources = m_window->sourcePage()->findChild<QWidget*>(QStringLiteral("partitionContainer_0"));
        QTest::mouseClick(sources->findChildren<PartitionCard*>().value(1), Qt::LeftButton);
        m_window->onNextClicked();
        QWidget* page = m_window->targetPage();
        const auto places = [page](int disk) {
            return page->findChild<QWidget*>(QStringLiteral("targetPlaces_%1").arg(disk));
        };
        QVERIFY(places(1) && places(2) && !places(1)->isVisible() && !places(2)->isVisible());

        QTest::mouseClick(cardFor(page, 1), Qt::LeftButton);
        QVERIFY(places(1)->isVisible() && !places(2)->isVisible());
        ModalAnswer whole(QMessageBox::No);
        m_window->onNextClicked();
        m_window->onNextClicked();
        QVERIFY2(whole.text.contains(QStringLiteral("The whole target disk will be erased")), qPrintable(whole.text));
        m_window->onPrevClicked();  // the list is built anew

        // Disk 2: its free region is too small and only its second partition holds the source.
        QTest::mouseClick(cardFor(page, 2), Qt::LeftButton);
        QWidget* places2 = places(2);
        QVERIFY(!places(1)->isVisible() && places2->isVisible());
        QList<Place> kinds;
        for (TargetPlaceCard* card : places2->findChildren<TargetPlaceCard*>())
            kinds << card->place();
        QCOMPARE(kinds, QList<Place>{Place::WholeDisk});
        const auto partitions = places2->findChildren<PartitionCard*>();
        QCOMPARE(partitions.size(), 1);
        QCOMPARE(partitions[0]->partition().partitionNumber, 2);
        QTest::mouseClick(partitions[0], Qt::LeftButton);
        QVERIFY(!places2->findChildren<TargetPlaceCard*>()[0]->isSelected());
        m_window->onNextClicked();
        ModalAnswer no(QMessageBox::No);
        m_window->onNextClicked();
        QVERIFY2(no.text.contains(QStringLiteral("Partition 2")) && no.text.contains(QStringLiteral("overwritten"))
                     && !no.text.contains(QStringLiteral("erased")),
                 qPrintable(no.text));
        QVERIFY(answered(QMessageBox::Yes, [&] { m_window->onNextClicked(); }));
        const CloneConfig config = m_window->engine()->config();
        QCOMPARE(config.targetDisk.diskNumber, 2);
        QVERIFY(config.partitionTarget == Place::Partition);
        QCOMPARE(config.targetPartition.partitionNumber, 2);
        QCOMPARE(config.targetPartition.diskNumber, 2);
    }

    // While data is copied the window stays open and the disk list still; boot repair is never cut.
    void runningCloneIsProtected()
    {
        switchMode(m_window.get(), Tessarin::CloneModeType::DiskClone);
        QTest::mouseClick(cardFor(m_window->sourcePage(), 0), Qt::LeftButton);
        m_window->onNextClicked();
        QTest::mouseClick(cardFor(m_window->targetPage(), 1), Qt::LeftButton);
        m_window->onNextClicked();
        QVERIFY(answered(QMessageBox::Yes, [&] { m_window->onNextClicked(); }));
        QTRY_VERIFY(m_window->isCloneRunning());
        QSignalSpy started(m_window->diskManager(), &DiskManager::enumStarted);
        emit m_window->deviceWatcher()->devicesChanged();
        QCOMPARE(started.count(), 0);
        QVERIFY(answered(QMessageBox::Ok, [&] { QVERIFY(!m_window->close()); }));
        QVERIFY(answered(QMessageBox::No, [&] { m_window->onCancelClicked(); }));
        g_releaseCopy = true;
        QTRY_COMPARE_WITH_TIMEOUT(m_window->engine()->status(), Tessarin::RepairingBoot, 5000);
        QVERIFY(answered(QMessageBox::Ok, [&] { m_window->onCancelClicked(); }));
        QVERIFY(m_window->isCloneRunning());  // not cancelled
        g_releaseRepair = true;
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->isCloneRunning(), 5000);
        QVERIFY(m_window->close());
    }

    // A source mounted read-write that cannot be snapshotted: the window asks before its confirmation,
    // naming the mount; "No" starts nothing, "Yes" hands the acceptance to the engine.
    void liveSourceIsAskedFirst()
    {
        LiveSourceDevices devices(*Platform::native().parts().devices);
        ScopedPlatform scope(PlatformParts{.devices = &devices});
        QTest::mouseClick(cardFor(m_window->sourcePage(), 0), Qt::LeftButton);
        m_window->onNextClicked();
        QTest::mouseClick(cardFor(m_window->targetPage(), 2), Qt::LeftButton);
        m_window->onNextClicked();
        {
            MessageBoxAnswers no({QMessageBox::No});
            m_window->onNextClicked();
            QCOMPARE(no.texts.size(), 1);
            QVERIFY2(no.texts[0].contains(QStringLiteral("/mnt/busy")), qPrintable(no.texts[0]));
        }
        QVERIFY(!m_window->engine()->isRunning());
        QCOMPARE(m_window->step(), 2);
        MessageBoxAnswers yes({QMessageBox::Yes, QMessageBox::Yes});
        m_window->onNextClicked();
        QCOMPARE(yes.texts.size(), 2);
        QVERIFY(yes.texts[1] != yes.texts[0]);  // then the confirmation
        QCOMPARE(m_window->step(), int(MainWindow::ProgressStep));
        QVERIFY(m_window->engine()->config().allowLiveSource);
        g_releaseCopy = g_releaseRepair = true;
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->isCloneRunning(), 5000);
    }

    // A refused run is refused on the options step, before any question; an allowed one is asked
    // about with its plan.
    void refusalComesBeforeTheConfirmation()
    {
        startDiskClone(false);
        g_refuse = true;
        {
            ModalAnswer none(QMessageBox::No);
            m_window->onNextClicked();
            QVERIFY(!none.seen);
        }
        QCOMPARE(m_window->step(), int(WizardState::OptionsStep));
        QVERIFY(!m_window->engine()->isRunning());
        QLabel* refusal = m_window->optionsPage()->refusalLabel();
        QVERIFY2(refusal->isVisibleTo(m_window.get()) && refusal->text().contains(QStringLiteral("too small for the test")),
                 qPrintable(refusal->text()));

        g_refuse = false;
        ModalAnswer no(QMessageBox::No);
        m_window->onNextClicked();
        QVERIFY(!refusal->isVisibleTo(m_window.get()));
        for (const QString& part : {m_window->disks()[0].devicePath, m_window->disks()[1].devicePath,
                                    QStringLiteral("gate boot step"), QStringLiteral("erased")})
            QVERIFY2(no.text.contains(part), qPrintable(part + QStringLiteral(" in: ") + no.text));
        QVERIFY(!m_window->engine()->isRunning());
    }

    // A cancel ends as cancelled, not failed: grey ring and bar alike, no running figures left.
    void cancelEndsAsCancelled()
    {
        startDiskClone(true);
        CloneProgressPage* page = m_window->progressPage();
        QTRY_COMPARE_WITH_TIMEOUT(page->progressBar()->value(), 25, 5000);
        QVERIFY(answered(QMessageBox::Yes, [&] { m_window->onCancelClicked(); }));
        QTRY_VERIFY_WITH_TIMEOUT(page->finishButton()->isVisibleTo(m_window.get()), 5000);
        QCOMPARE(m_window->engine()->status(), Tessarin::Cancelled);
        QCOMPARE(page->titleLabel()->text(), QStringLiteral("Clone cancelled"));
        const QString log = page->logOutput()->toPlainText();
        QVERIFY2(!log.contains(QStringLiteral("Failed")) && !log.contains(QStringLiteral("Clone failed")), qPrintable(log));
        QCOMPARE(page->speedLabel()->text(), QStringLiteral("Speed: -- MB/s"));
        QCOMPARE(page->timeLeftLabel()->text(), QStringLiteral("Time left: --"));
        const QString grey = page->circularProgress()->progressColor().name();
        QVERIFY2(page->progressBar()->styleSheet().contains(grey, Qt::CaseInsensitive), qPrintable(grey));
        QCOMPARE(page->circularProgress()->text(), QStringLiteral("%1%").arg(page->progressBar()->value()));

        // The stopped run can go on from its journal: from the result page, or when the same clone
        // is asked for again (Cancel there starts nothing).
        QVERIFY(page->resumeButton()->isVisibleTo(m_window.get()));
        m_window->onFinishClicked();
        startDiskClone(false);
        {
            ModalAnswer question(QMessageBox::Cancel);
            m_window->onNextClicked();
            QVERIFY2(question.text.contains(QStringLiteral("interrupted")), qPrintable(question.text));
        }
        QVERIFY(!m_window->engine()->isRunning());
        m_window->onResumeClicked();
        QTRY_VERIFY(m_window->engine()->isRunning());
        QVERIFY(m_window->engine()->config().resume);
    }

    // "Yes" to the cancel question after the clone ended meanwhile changes nothing.
    void cancelAnsweredAfterTheEndDoesNothing()
    {
        startDiskClone(true);
        ModalAnswer late({}, [this](QWidget* box) {
            g_releaseCopy = g_releaseRepair = true;
            QTRY_VERIFY_WITH_TIMEOUT(!m_window->engine()->isRunning(), 5000);
            qobject_cast<QMessageBox*>(box)->button(QMessageBox::Yes)->click();
        });
        m_window->onCancelClicked();
        QVERIFY(late.seen);
        QTRY_VERIFY_WITH_TIMEOUT(m_window->progressPage()->finishButton()->isVisibleTo(m_window.get()), 5000);
        QCOMPARE(m_window->engine()->status(), Tessarin::Completed);
        const QString log = m_window->progressPage()->logOutput()->toPlainText();
        QVERIFY2(!log.contains(QStringLiteral("Cancellation requested")), qPrintable(log));
    }

    // No restart and no exit while a clone runs; otherwise the new instance starts only after this
    // window has closed.
    void languageChangeWaitsForTheWindow()
    {
        QStringList calls;
        LanguageSetup::setRestartFunction([&calls](const QString& program, const QStringList&, const QString&) {
            calls << program;
        });
        startDiskClone(true);
        QVERIFY(withTitleMenu(m_window.get(), [](QMenu* menu) {
            QVERIFY(languageAction(menu, QStringLiteral("Français (fr)")));
            for (QAction* a : menu->actions())
                QVERIFY2(!a->isEnabled() == (a->menu() != nullptr || a->text() == QStringLiteral("Exit")),
                         qPrintable(a->text()));
        }));
        g_releaseCopy = g_releaseRepair = true;
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->engine()->isRunning(), 5000);

        QVERIFY(withTitleMenu(m_window.get(), [](QMenu* menu) {
            QAction* french = languageAction(menu, QStringLiteral("Français (fr)"));
            QVERIFY(french && french->isEnabled());
            french->trigger();
        }));
        QVERIFY(!m_window->isVisible());
        QVERIFY(calls.isEmpty());
        LanguageSetup::restartIfRequested();
        QCOMPARE(calls.size(), 1);
        LanguageSetup::setRestartFunction({});
    }

private:
    // Disk 0 onto disk 1 in disk mode, up to the confirmation, which `start` answers with Yes.
    void startDiskClone(bool start)
    {
        switchMode(m_window.get(), Tessarin::CloneModeType::DiskClone);
        QTest::mouseClick(cardFor(m_window->sourcePage(), 0), Qt::LeftButton);
        m_window->onNextClicked();
        QTest::mouseClick(cardFor(m_window->targetPage(), 1), Qt::LeftButton);
        m_window->onNextClicked();
        if (start) {
            QVERIFY(answered(QMessageBox::Yes, [&] { m_window->onNextClicked(); }));
            QTRY_VERIFY(m_window->engine()->isRunning());
        }
    }

    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_window;
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
