#include "core/diskmanager.h"
#include "engine/cloneengine.h"
#include "engine/clonemode.h"
#include "engine/clonemodefactory.h"
#include "modalanswer.h"
#include "ui/cloneoptionspage.h"
#include "ui/cloneprogresspage.h"
#include "ui/clonesettingsdialog.h"
#include "ui/circularprogress.h"
#include "ui/diskcard.h"
#include "ui/diskgroupheader.h"
#include "ui/mainwindow.h"
#include "ui/partitioncard.h"
#include "ui/selectsourcepage.h"
#include "ui/selecttargetpage.h"
#include "ui/toggleswitch.h"

#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QThread>
#include <QtTest>
#include <atomic>
#include <memory>

namespace {
// A strategy that holds the worker in execute() or repairBoot() until the test lets it go.
std::atomic<bool> g_releaseCopy{false};
std::atomic<bool> g_releaseRepair{false};

class GateMode : public CloneMode {
public:
    using CloneMode::CloneMode;
    QString name() const override { return QStringLiteral("Gate"); }
    int type() const override { return 0; }
    QString description() const override { return QString(); }
    bool validate(QString&) override { return true; }
    bool prepare() override { return true; }
    bool execute() override
    {
        emit progressChanged(25, 100);
        while (!g_releaseCopy && !isCancelled())
            QThread::msleep(5);
        return !isCancelled();
    }
    bool repairBoot() override
    {
        while (!g_releaseRepair && !isCancelled())
            QThread::msleep(5);
        return true;
    }
};

// Runs a mode switch and waits for the list that its enumeration delivers.
void switchMode(MainWindow* window, void (MainWindow::*slot)())
{
    QSignalSpy finished(window->diskManager(), &DiskManager::enumFinished);
    (window->*slot)();
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
        const QString a = m_dir.filePath(QStringLiteral("a.img"));
        const QString b = m_dir.filePath(QStringLiteral("b.img"));
        const QString c = m_dir.filePath(QStringLiteral("c.img"));
        for (const auto& [path, size] : {std::pair{a, 64}, std::pair{b, 128}, std::pair{c, 96}}) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(qint64(size) << 20));
        }
        const QStringList layout = QStringLiteral("-n 1:2048:+8M -t 1:EF00 -n 2:0:0 -t 2:0700").split(' ');
        QCOMPARE(QProcess::execute(QStringLiteral("sgdisk"), layout + QStringList{a}), 0);
        qputenv("TESSARIN_DISKS", QStringLiteral("%1:%2:%3").arg(a, b, c).toLocal8Bit());
        qputenv("HOME", m_dir.path().toLocal8Bit());
        // Settings written by the language test stay in the temporary folder.
        qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toLocal8Bit());
        CloneModeFactory::setFunction([](Tessarin::CloneModeType, QObject* parent, QString&) -> CloneMode* {
            return new GateMode(parent);
        });
    }

    void init()
    {
        g_releaseCopy = false;
        g_releaseRepair = false;
        m_window = std::make_unique<MainWindow>();
        m_window->show();
        QTRY_COMPARE_WITH_TIMEOUT(m_window->disks().size(), 3, 15000);
        QTRY_VERIFY(m_window->nextButton()->isEnabled());
    }

    void cleanup()
    {
        g_releaseCopy = true;
        g_releaseRepair = true;
        if (m_window && m_window->engine()->isRunning())
            QTRY_VERIFY_WITH_TIMEOUT(!m_window->engine()->isRunning(), 10000);
        m_window.reset();
    }

    void startsInSystemCloneOnStepOne()
    {
        QCOMPARE(m_window->mode(), Tessarin::CloneModeType::SystemClone);
        QCOMPARE(m_window->step(), 0);
        QCOMPARE(m_window->sourcePage()->titleLabel()->text(), QStringLiteral("Step 1: Select system disk"));
        QCOMPARE(m_window->stepCounter()->text(), QStringLiteral("1/3"));
        QVERIFY(!m_window->prevButton()->isVisible());
        QCOMPARE(cardNumbers(m_window->sourcePage()), (QList<int>{0, 1, 2}));
        for (DiskCard* c : m_window->sourcePage()->findChildren<DiskCard*>())
            QVERIFY(c->isSystemCloneMode());
        QWidget* bootMode = m_window->optionsPage()->findChild<QWidget*>(QStringLiteral("bootModeFrame"));
        QVERIFY(bootMode->isVisibleTo(m_window->optionsPage()));
        m_window->onDiskModeClicked();
        QVERIFY(!bootMode->isVisibleTo(m_window->optionsPage()));
        QCOMPARE(m_window->sourcePage()->titleLabel()->text(), QStringLiteral("Step 1: Select source disk"));
    }

    void nextWithoutSelectionWarnsAndStays()
    {
        ModalAnswer answer;
        m_window->onNextClicked();
        QVERIFY(answer.seen);
        QCOMPARE(answer.title, QStringLiteral("Selection required"));
        QCOMPARE(answer.text, QStringLiteral("Please select a source disk."));
        QCOMPARE(m_window->step(), 0);

        QTest::mouseClick(cardFor(m_window->sourcePage(), 0), Qt::LeftButton);
        m_window->onNextClicked();
        QCOMPARE(m_window->step(), 1);
        ModalAnswer targetAnswer;
        m_window->onNextClicked();
        QCOMPARE(targetAnswer.text, QStringLiteral("Please select a target disk."));
        QCOMPARE(m_window->step(), 1);

        switchMode(m_window.get(), &MainWindow::onPartitionModeClicked);
        QVERIFY(!m_window->sourcePage()->findChildren<PartitionCard*>().isEmpty());
        ModalAnswer partitionAnswer;
        m_window->onNextClicked();
        QCOMPARE(partitionAnswer.text, QStringLiteral("Please select a source partition."));
        QCOMPARE(m_window->step(), 0);
    }

    void targetListNeverHoldsTheSourceDisk()
    {
        for (int source = 0; source < 3; ++source) {
            switchMode(m_window.get(), &MainWindow::onDiskModeClicked);
            QCOMPARE(cardNumbers(m_window->sourcePage()).size(), 3);
            QTest::mouseClick(cardFor(m_window->sourcePage(), source), Qt::LeftButton);
            m_window->onNextClicked();
            QCOMPARE(m_window->step(), 1);
            const QList<int> targets = cardNumbers(m_window->targetPage());
            QCOMPARE(targets.size(), 2);
            QVERIFY(!targets.contains(source));
        }
        // In partition mode the partition's disk is left out.
        switchMode(m_window.get(), &MainWindow::onPartitionModeClicked);
        QVERIFY(!m_window->sourcePage()->findChildren<PartitionCard*>().isEmpty());
        PartitionCard* card = m_window->sourcePage()->findChildren<PartitionCard*>().first();
        QCOMPARE(card->partition().diskNumber, 0);
        QTest::mouseClick(card, Qt::LeftButton);
        m_window->onNextClicked();
        QCOMPARE(cardNumbers(m_window->targetPage()), (QList<int>{1, 2}));
    }

    void diskGroupHidesAndShowsItsPartitions()
    {
        switchMode(m_window.get(), &MainWindow::onPartitionModeClicked);
        QVERIFY(!m_window->sourcePage()->findChildren<PartitionCard*>().isEmpty());
        QWidget* container = m_window->sourcePage()->findChild<QWidget*>(QStringLiteral("partitionContainer_0"));
        QVERIFY(container);
        QCOMPARE(container->findChildren<PartitionCard*>().size(), 2);
        QVERIFY(!m_window->sourcePage()->findChild<QWidget*>(QStringLiteral("partitionContainer_1")));  // blank disk
        DiskGroupHeader* header = m_window->sourcePage()->findChild<DiskGroupHeader*>();
        QVERIFY(container->isVisibleTo(m_window->sourcePage()));
        QTest::mouseClick(header, Qt::LeftButton);
        QVERIFY(!container->isVisibleTo(m_window->sourcePage()));
        QTest::mouseClick(header, Qt::LeftButton);
        QVERIFY(container->isVisibleTo(m_window->sourcePage()));
    }

    void anotherSourceClearsTheTarget()
    {
        goToOptions(1);
        QCOMPARE(m_window->targetDisk().diskNumber, 1);
        m_window->onPrevClicked();
        m_window->onPrevClicked();
        QCOMPARE(m_window->step(), 0);
        DiskCard* first = cardFor(m_window->sourcePage(), 0);
        QTest::mouseClick(first, Qt::LeftButton);  // the selected card again: stays selected
        QVERIFY(first->isSelected());
        QCOMPARE(m_window->targetDisk().diskNumber, -1);
        QTest::mouseClick(cardFor(m_window->sourcePage(), 2), Qt::LeftButton);
        QVERIFY(!first->isSelected());
        QCOMPARE(m_window->sourceDisk().diskNumber, 2);
        QVERIFY(!m_window->targetDisk().isValid());
    }

    void optionsPageSummaryAndConfirmation()
    {
        goToOptions(1);
        QCOMPARE(m_window->step(), 2);
        QCOMPARE(m_window->stepCounter()->text(), QStringLiteral("3/3"));
        QVERIFY(m_window->prevButton()->isVisible());
        QCOMPARE(m_window->optionsPage()->sourceName()->text(), m_window->disks()[0].displayName());
        QCOMPARE(m_window->optionsPage()->targetName()->text(), m_window->disks()[1].displayName());

        ModalAnswer no(QMessageBox::No);
        m_window->onNextClicked();
        QCOMPARE(no.title, QStringLiteral("Confirm clone"));
        QVERIFY(no.text.startsWith(QStringLiteral("Clone source disk: ") + m_window->disks()[0].displayName()));
        QVERIFY(no.text.contains(QStringLiteral("All data on the target disk will be erased.")));
        QCOMPARE(m_window->step(), 2);
        QVERIFY(!m_window->engine()->isRunning());
    }

    void settingsDialogResultIsReadOnlyWhenAccepted()
    {
        QLabel* summary = m_window->optionsPage()->optionsSummary();
        QCOMPARE(summary->text(), QStringLiteral("Smart clone, 4K alignment"));
        ModalAnswer reject({}, [](QWidget* w) {
            auto* d = qobject_cast<CloneSettingsDialog*>(w);
            d->sectorBySectorSwitch()->setChecked(true);
            d->reject();
        });
        m_window->onCloneSettingsClicked();
        QVERIFY(reject.seen);
        QCOMPARE(summary->text(), QStringLiteral("Smart clone, 4K alignment"));
        ModalAnswer accept({}, [](QWidget* w) {
            auto* d = qobject_cast<CloneSettingsDialog*>(w);
            d->sectorBySectorSwitch()->setChecked(true);
            d->accept();
        });
        m_window->onCloneSettingsClicked();
        QCOMPARE(summary->text(), QStringLiteral("Sector-by-sector clone"));
    }

    void timeLeftAndSpeedTexts()
    {
        CloneProgress p;
        QCOMPARE(MainWindow::timeLeftText(p), QStringLiteral("Time left: --"));
        QCOMPARE(MainWindow::speedText(p), QStringLiteral("Speed: -- MB/s"));
        p.speed = 1 << 20;
        p.totalBytes = 100ull << 20;
        p.copiedBytes = 70ull << 20;
        QCOMPARE(MainWindow::timeLeftText(p), QStringLiteral("Time left: 30s"));
        QCOMPARE(MainWindow::speedText(p), QStringLiteral("Speed: 1.0 MB/s"));
        p.totalBytes = p.copiedBytes + 3725ull * p.speed;
        QCOMPARE(MainWindow::timeLeftText(p), QStringLiteral("Time left: 1h 2m"));
        p.totalBytes = p.copiedBytes + 125ull * p.speed;
        QCOMPARE(MainWindow::timeLeftText(p), QStringLiteral("Time left: 2m 5s"));
        p.totalBytes = p.copiedBytes + 60ull * p.speed;
        QCOMPARE(MainWindow::timeLeftText(p), QStringLiteral("Time left: 1m 0s"));
        p.copiedBytes = p.totalBytes + 1;  // more copied than planned: no negative time
        QCOMPARE(MainWindow::timeLeftText(p), QStringLiteral("Time left: --"));

        CloneProgress q;
        q.totalBytes = 1000;
        q.copiedBytes = 1000 * 333 / 1000 + 2;  // 33.5 % rounds to 34
        q.speed = 3 * (1 << 20) / 2;
        q.currentPhase = QStringLiteral("Copying partition 2...");
        m_window->onCloneProgress(q);
        CloneProgressPage* page = m_window->progressPage();
        QCOMPARE(page->statusLabel()->text(), q.currentPhase);
        QCOMPARE(page->circularProgress()->value(), 34);
        QCOMPARE(page->speedLabel()->text(), QStringLiteral("Speed: 1.5 MB/s"));
        q.status = Tessarin::RepairingBoot;
        m_window->onCloneProgress(q);
        QVERIFY(!page->cancelButton()->isEnabled());
        QCOMPARE(page->cancelButton()->toolTip(),
                 QStringLiteral("Boot repair is in progress. Please wait until it finishes."));
    }

    void logViewKeepsTheLatest200Lines()
    {
        for (int i = 0; i < 250; ++i)
            m_window->appendLog(QStringLiteral("line %1 <b>").arg(i), QStringLiteral("INFO"));
        QTextDocument* doc = m_window->progressPage()->logOutput()->document();
        QCOMPARE(doc->blockCount(), 200);
        QVERIFY2(doc->firstBlock().text().endsWith(QStringLiteral("line 50 <b>")), qPrintable(doc->firstBlock().text()));
        QVERIFY(doc->lastBlock().text().endsWith(QStringLiteral("line 249 <b>")));
        QVERIFY(doc->lastBlock().text().contains(QStringLiteral("[INFO]")));

        // Logger lines reach the view only on the progress page.
        m_window->onLogMessage(QStringLiteral("not shown"), Logger::Warning);
        QVERIFY(!doc->lastBlock().text().contains(QStringLiteral("not shown")));
    }

    void deviceBurstGivesOneEnumeration()
    {
        QSignalSpy started(m_window->diskManager(), &DiskManager::enumStarted);
        for (int i = 0; i < 5; ++i) {
            m_window->deviceEventReceived();
            QTest::qWait(150);
        }
        QCOMPARE(started.count(), 0);  // the timer restarts with every message
        QTRY_COMPARE_WITH_TIMEOUT(started.count(), 1, 3000);
        QTest::qWait(1300);
        QCOMPARE(started.count(), 1);
    }

    void runningCloneRefusesCloseAndCancelDuringBootRepair()
    {
        startClone(1);
        QCOMPARE(m_window->step(), 3);
        QVERIFY(!m_window->navigationBar()->isVisible());
        QTRY_VERIFY(m_window->isCloneRunning());
        QVERIFY(!m_window->findChild<QPushButton*>(QStringLiteral("btnDiskClone"))->isEnabled());
        QTextDocument* doc = m_window->progressPage()->logOutput()->document();
        QVERIFY(doc->toPlainText().contains(QStringLiteral("Starting clone task...")));
        QVERIFY(doc->toPlainText().contains(QStringLiteral("Boot mode: UEFI (GPT)")));
        QVERIFY(doc->toPlainText().contains(QStringLiteral("Space allocation: Create data partition (Data)")));
        const CloneConfig config = m_window->engine()->config();
        QCOMPARE(config.mode, Tessarin::CloneModeType::SystemClone);
        QCOMPARE(config.sourceDisk.diskNumber, 0);
        QCOMPARE(config.targetDisk.diskNumber, 1);
        QVERIFY(config.fixBoot);

        // No re-enumeration while copying.
        QSignalSpy started(m_window->diskManager(), &DiskManager::enumStarted);
        m_window->onDeviceChanged();
        QCOMPARE(started.count(), 0);

        {
            ModalAnswer warning;
            QVERIFY(!m_window->close());
            QCOMPARE(warning.title, QStringLiteral("Tessarin"));
            QVERIFY(warning.text.startsWith(QStringLiteral("A clone or boot repair task is still running.")));
        }
        QVERIFY(m_window->isVisible());

        g_releaseCopy = true;
        QTRY_COMPARE_WITH_TIMEOUT(m_window->engine()->status(), Tessarin::RepairingBoot, 5000);
        {
            ModalAnswer wait;
            m_window->onCancelClicked();
            QCOMPARE(wait.title, QStringLiteral("Please wait"));
        }
        QVERIFY(m_window->isCloneRunning());  // not cancelled

        g_releaseRepair = true;
        QTRY_VERIFY_WITH_TIMEOUT(m_window->progressPage()->finishButton()->isVisibleTo(m_window.get()), 5000);
        QCOMPARE(m_window->progressPage()->titleLabel()->text(), QStringLiteral("Clone completed"));
        QCOMPARE(m_window->progressPage()->circularProgress()->progressColor(), QColor("#059669"));
        QVERIFY(m_window->findChild<QPushButton*>(QStringLiteral("btnDiskClone"))->isEnabled());
        QVERIFY(m_window->close());
    }

    void cancelAsksAndCancels()
    {
        switchMode(m_window.get(), &MainWindow::onDiskModeClicked);
        QCOMPARE(cardNumbers(m_window->sourcePage()).size(), 3);
        startClone(2);
        QTRY_VERIFY(m_window->isCloneRunning());
        {
            ModalAnswer no(QMessageBox::No);
            m_window->onCancelClicked();
            QCOMPARE(no.text, QStringLiteral("Cancel the current clone task?"));
        }
        QTest::qWait(100);
        QVERIFY(m_window->isCloneRunning());
        {
            ModalAnswer yes(QMessageBox::Yes);
            m_window->onCancelClicked();
        }
        // The engine reports the end before the window has handled the finished signal.
        QTRY_COMPARE_WITH_TIMEOUT(m_window->progressPage()->titleLabel()->text(), QStringLiteral("Clone failed"), 5000);
        QVERIFY(m_window->progressPage()->logOutput()->toPlainText().contains(QStringLiteral("Cancellation requested")));

        m_window->onFinishClicked();
        QCOMPARE(m_window->step(), 0);
        QVERIFY(!m_window->sourceDisk().isValid());
        QCOMPARE(m_window->progressPage()->circularProgress()->value(), 0);
        QVERIFY(m_window->navigationBar()->isVisible());
    }

    void languageChangeRestartsOnlyForAnotherLanguage()
    {
        QStringList calls;
        MainWindow::setRestartFunction([&calls](const QString& program, const QStringList& arguments,
                                                const QString& directory) {
            calls << program + QLatin1Char('|') + arguments.join(QLatin1Char(' ')) + QLatin1Char('|') + directory;
        });
        QSettings settings(QStringLiteral("Tessarin"), QStringLiteral("Tessarin"));
        settings.setValue(QStringLiteral("language"), QStringLiteral("de"));
        settings.sync();
        QVERIFY(!m_window->chooseLanguage(QStringLiteral("de")));
        QVERIFY(calls.isEmpty());
        QVERIFY(m_window->chooseLanguage(QStringLiteral("fr")));
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls.first(), QCoreApplication::applicationFilePath() + QLatin1Char('|')
                                    + QCoreApplication::arguments().mid(1).join(QLatin1Char(' ')) + QLatin1Char('|')
                                    + QCoreApplication::applicationDirPath());
        settings.sync();
        QCOMPARE(settings.value(QStringLiteral("language")).toString(), QStringLiteral("fr"));
        // A regional variant of the active language counts as active.
        settings.setValue(QStringLiteral("language"), QStringLiteral("pt_BR"));
        settings.sync();
        QVERIFY(!m_window->chooseLanguage(QStringLiteral("pt")));
        QCOMPARE(calls.size(), 1);
        settings.remove(QStringLiteral("language"));
        MainWindow::setRestartFunction({});
    }

private:
    // Source disk 0 and the given target: ends on the options page.
    void goToOptions(int target)
    {
        QTest::mouseClick(cardFor(m_window->sourcePage(), 0), Qt::LeftButton);
        m_window->onNextClicked();
        QTest::mouseClick(cardFor(m_window->targetPage(), target), Qt::LeftButton);
        m_window->onNextClicked();
    }
    void startClone(int target)
    {
        goToOptions(target);
        ModalAnswer yes(QMessageBox::Yes);
        m_window->onNextClicked();
        QVERIFY(yes.seen);
    }

    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_window;
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
