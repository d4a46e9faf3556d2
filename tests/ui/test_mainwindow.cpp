#include "core/diskmanager.h"
#include "engine/cloneengine.h"
#include "engine/clonemodefactory.h"
#include "common/forwardingdevices.h"
#include "modalanswer.h"
#include "modes/clonemode.h"
#include "ui/cloneoptionspage.h"
#include "ui/cloneprogresspage.h"
#include "ui/clonesettingsdialog.h"
#include "ui/devicewatcher.h"
#include "ui/diskcard.h"
#include "ui/mainwindow.h"
#include "ui/partitioncard.h"
#include "ui/selectsourcepage.h"
#include "ui/selecttargetpage.h"
#include "ui/targetplacecard.h"
#include "ui/toggleswitch.h"

#include <QProcess>
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
        return waitFor(g_releaseCopy);
    }
    bool repairBoot() override { waitFor(g_releaseRepair); return true; }

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
        const QString a = m_dir.filePath(QStringLiteral("a.img")), b = m_dir.filePath(QStringLiteral("b.img")),
                      c = m_dir.filePath(QStringLiteral("c.img"));
        for (const auto& [path, size] : {std::pair{a, 64}, std::pair{b, 128}, std::pair{c, 96}}) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(qint64(size) << 20));
        }
        const QStringList layout = QStringLiteral("-n 1:2048:+8M -t 1:EF00 -n 2:0:0 -t 2:0700").split(' ');
        QCOMPARE(QProcess::execute(QStringLiteral("sgdisk"), layout + QStringList{a}), 0);
        // Too little room left for a's second partition, and one partition large enough for it.
        const QStringList targetLayout = QStringLiteral("-n 1:2048:+30M -n 2:0:+58M").split(' ');
        QCOMPARE(QProcess::execute(QStringLiteral("sgdisk"), targetLayout + QStringList{c}), 0);
        qputenv("TESSARIN_DISKS", QStringLiteral("%1:%2:%3").arg(a, b, c).toLocal8Bit());
        qputenv("HOME", m_dir.path().toLocal8Bit());
        CloneModeFactory::setFunction([](Tessarin::CloneModeType, QObject* parent, QString&) -> CloneMode* {
            return new GateMode(parent);
        });
    }

    void init()
    {
        g_releaseCopy = g_releaseRepair = false;
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

private:
    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_window;
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
