#include "core/diskio.h"
#include "core/diskmanager.h"
#include "core/logger.h"
#include "engine/cloneengine.h"
#include "engine/clonemodefactory.h"
#include "engine/cloneworker.h"
#include "modes/clonemode.h"
#include "common/forwardingdevices.h"
#include "common/imagefiles.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <atomic>
#include <memory>

using Tessarin::CloneModeType;

namespace {

// What one scripted run does, and what it saw. Written on the worker thread, read after finished.
struct Script {
    QString failPhase;  // "validate", "prepare", "execute", "repairBoot" or empty
    QString failText;   // lastError / validation error of the failing phase
    QList<QPair<uint64_t, uint64_t>> progress;  // emitted by execute
    bool blockInExecute = false;  // execute waits until cancelled or released
    bool ignoreCancel = false;    // ... or only until released
    bool openDisks = false;       // prepare opens disks 0 and 1 through the DiskIO
    std::atomic<int> targetOpenAtRepair{-1};  // whether the target (and its volume locks) was held then
    std::atomic<bool> release{false}, inExecute{false}, workerFinished{false};
    QPointer<QThread> thread;  // the worker's thread, null once it has deleted itself
    std::atomic<int> openHandlesAtFinish{-1};  // counted by a slot that runs as the worker emits finished

    QMutex mutex;
    QStringList calls;
    int created = 0;
    bool sectorBySector = false, hadDiskIO = false;
    Tessarin::ResizeMode resizeMode = Tessarin::ResizeMode::KeepOnly;

    void record(const QString& call) { QMutexLocker l(&mutex); calls << call; }
    QStringList recorded() { QMutexLocker l(&mutex); return calls; }
};

class ScriptedMode : public CloneMode {
public:
    ScriptedMode(Script& script, QObject* parent) : CloneMode(parent), m_script(script) {}

    QString name() const override { return QStringLiteral("Scripted"); }
    int type() const override { return static_cast<int>(m_config.mode); }
    QString description() const override { return QString(); }
    void setConfig(const CloneConfig& config) override
    {
        m_script.record(QStringLiteral("setConfig"));
        CloneMode::setConfig(config);
    }
    void setResizeMode(Tessarin::ResizeMode mode) override
    {
        m_script.record(QStringLiteral("setResizeMode"));
        m_script.resizeMode = mode;
    }
    bool validate(QString& error) override
    {
        // Flags are set after setConfig, so look at them at the first phase.
        m_script.sectorBySector = m_sectorBySector;
        m_script.hadDiskIO = m_diskIO != nullptr;
        if (phase(QStringLiteral("validate")))
            return true;
        error = m_script.failText;
        return false;
    }
    bool prepare() override
    {
        if (!requireDiskIO())
            return false;
        if (m_script.openDisks && !(m_diskIO->openSourceDisk(0) && m_diskIO->openTargetDisk(1)))
            return fail(QStringLiteral("open failed"));
        return phase(QStringLiteral("prepare"));
    }
    bool execute() override
    {
        for (const auto& step : m_script.progress)
            emit progressChanged(step.first, step.second);
        if (m_script.blockInExecute) {
            m_script.inExecute = true;
            QDeadlineTimer deadline(20000);
            while ((m_script.ignoreCancel || !isCancelled()) && !m_script.release.load() && !deadline.hasExpired())
                QThread::msleep(2);
            if (isCancelled() && !m_script.ignoreCancel) {
                m_script.record(QStringLiteral("execute"));
                return fail(QStringLiteral("cancelled in copy"));
            }
        }
        return phase(QStringLiteral("execute"));
    }
    bool repairBoot() override
    {
        m_script.targetOpenAtRepair = m_diskIO->hasTarget() ? 1 : 0;
        return phase(QStringLiteral("repairBoot"));
    }

private:
    bool phase(const QString& name)
    {
        m_script.record(name);
        if (m_script.failPhase != name)
            return true;
        m_lastError = m_script.failText;
        return false;
    }
    Script& m_script;
};

CloneConfig diskConfig(CloneModeType mode = CloneModeType::DiskClone)
{
    CloneConfig c;
    c.mode = mode;
    c.sourceDisk.diskNumber = 0;
    c.sourceDisk.size = 1ull << 30;
    c.targetDisk.diskNumber = 1;
    c.targetDisk.size = 2ull << 30;
    if (mode == CloneModeType::PartitionClone) {
        c.sourcePartition.diskNumber = 0;
        c.sourcePartition.partitionNumber = 1;
        c.sourcePartition.size = 1 << 20;
    }
    return c;
}

} // namespace

class TestCloneEngine : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    // Shared with the factory: a worker thread may still be finishing with the last run's script
    // when the next test installs its own.
    std::shared_ptr<Script> m_script;

    void installScript()
    {
        m_script = std::make_shared<Script>();
        std::shared_ptr<Script> script = m_script;
        CloneModeFactory::setFunction([script](CloneModeType, QObject* parent, QString&) -> CloneMode* {
            {
                QMutexLocker l(&script->mutex);
                ++script->created;
            }
            auto* worker = qobject_cast<CloneWorker*>(parent);
            auto* mode = new ScriptedMode(*script, parent);
            if (worker) {
                script->thread = worker->thread();
                QObject::connect(worker, &CloneWorker::finished, worker, [script] {
                    script->workerFinished = true;
                    if (auto* counting = dynamic_cast<CountingDevices*>(&Platform::devices()))
                        script->openHandlesAtFinish = counting->openHandles();
                }, Qt::DirectConnection);
            }
            return mode;
        });
    }

    // Runs one clone to its end; returns the finished arguments.
    QList<QVariant> run(CloneEngine& engine, const CloneConfig& config)
    {
        QSignalSpy finished(&engine, &CloneEngine::finished);
        engine.setConfig(config);
        engine.start();
        return finished.wait(10000) || !finished.isEmpty() ? finished.first() : QList<QVariant>();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // Two image disks for the runs that open handles; read once when the platform starts.
        const QString source = m_dir.filePath(QStringLiteral("source.img"));
        const QString target = m_dir.filePath(QStringLiteral("target.img"));
        // Sparse, and as large as the requests say: the run checks the target is the disk chosen.
        const qint64 sizes[] = {qint64(1) << 30, qint64(2) << 30};
        int i = 0;
        for (const QString& path : {source, target}) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(sizes[i++]));
        }
        // Disk 2 is the source under another name.
        const QString alias = m_dir.filePath(QStringLiteral("alias.img"));
        QVERIFY(linkFile(source, alias));
        qputenv("TESSARIN_DISKS", QStringList{source, target, alias}.join(QDir::listSeparator()).toLocal8Bit());
        Logger::instance().init(m_dir.filePath(QStringLiteral("engine.log")));
        Tessarin::registerMetaTypes();
    }

    void init() { installScript(); }
    void cleanup() { CloneModeFactory::setFunction({}); }

    // Phases run in order and stop at the first failure; its words, or some words, reach the caller.
    void phaseOrderAndFailures_data()
    {
        QTest::addColumn<QString>("failPhase");
        QTest::addColumn<QString>("failText");
        QTest::addColumn<int>("calls");
        QTest::newRow("all succeed") << QString() << QString() << 5;
        QTest::newRow("validate fails") << "validate" << "too small" << 2;
        QTest::newRow("prepare fails") << "prepare" << "cannot open" << 3;
        QTest::newRow("execute fails") << "execute" << "read error" << 4;
        QTest::newRow("execute fails silently") << "execute" << QString() << 4;
        QTest::newRow("boot repair fails") << "repairBoot" << "bcdboot failed" << 5;
    }
    void phaseOrderAndFailures()
    {
        QFETCH(QString, failPhase);
        QFETCH(QString, failText);
        QFETCH(int, calls);
        m_script->failPhase = failPhase;
        m_script->failText = failText;
        CloneEngine engine;
        QSignalSpy progress(&engine, &CloneEngine::progressChanged);
        QSignalSpy status(&engine, &CloneEngine::statusChanged);
        const QList<QVariant> result = run(engine, diskConfig());
        const bool success = failPhase.isEmpty();
        QVERIFY(result.size() == 2 && result.at(0).toBool() == success);
        QVERIFY(!result.at(1).toString().isEmpty() && (failText.isEmpty() || result.at(1).toString() == failText));
        const QStringList all{"setConfig", "validate", "prepare", "execute", "repairBoot"};
        QCOMPARE(m_script->recorded(), all.mid(0, calls));
        QVERIFY(engine.status() == (success ? Tessarin::Completed : Tessarin::Failed) && !engine.isRunning());
        // Status went out before the first snapshot, and the last snapshot carries the outcome.
        QCOMPARE(status.first().first().value<Tessarin::CloneStatus>(), Tessarin::CloningData);
        QCOMPARE(progress.last().first().value<CloneProgress>().status, engine.status());
    }

    // A run that stops before the strategy touched the target is a refusal: nothing was written.
    void refusalsBeforeTheFirstWrite_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("failPhase");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("target is the source by another name") << 2 << QString() << true << QStringList{"setConfig"};
        QTest::newRow("validate fails") << 1 << "validate" << true << QStringList{"setConfig", "validate"};
        QTest::newRow("prepare fails before writing") << 1 << "prepare" << true
                                                      << QStringList{"setConfig", "validate", "prepare"};
        QTest::newRow("execute fails") << 1 << "execute" << false
                                       << QStringList{"setConfig", "validate", "prepare", "execute"};
    }
    void refusalsBeforeTheFirstWrite()
    {
        QFETCH(int, target);
        QFETCH(QString, failPhase);
        QFETCH(bool, refused);
        QFETCH(QStringList, calls);
        m_script->failPhase = failPhase;
        m_script->failText = QStringLiteral("no");
        CloneConfig config = diskConfig();
        config.targetDisk.diskNumber = target;
        if (target == 2)
            config.targetDisk.size = config.sourceDisk.size;
        CloneEngine engine;
        QSignalSpy progress(&engine, &CloneEngine::progressChanged);
        const QList<QVariant> result = run(engine, config);
        QVERIFY(result.size() == 2 && !result.at(0).toBool());
        QCOMPARE(m_script->recorded(), calls);
        QCOMPARE(progress.last().first().value<CloneProgress>().refused, refused);
        if (target == 2)
            QVERIFY2(result.at(1).toString().contains(QLatin1String("under another name")), qPrintable(result.at(1).toString()));
    }

    // The strategy gets the request's flags, a DiskIO, and the resize mode before the request.
    void strategyIsConfiguredFromRequest()
    {
        CloneConfig config = diskConfig(CloneModeType::SystemClone);
        config.sectorBySector = true;
        config.resizeMode = Tessarin::ResizeMode::KeepAndCreateData;
        CloneEngine engine;
        QCOMPARE(run(engine, config).value(0).toBool(), true);
        QVERIFY(m_script->sectorBySector && m_script->hadDiskIO && m_script->resizeMode == Tessarin::ResizeMode::KeepAndCreateData);
        QCOMPARE(m_script->recorded().mid(0, 2), (QStringList{"setResizeMode", "setConfig"}));
    }

    void bootRepairFailureDependsOnMode_data()
    {
        QTest::addColumn<CloneModeType>("mode");
        QTest::addColumn<bool>("fixBoot");
        QTest::addColumn<bool>("success");
        // A failing repair of a disk clone with fixBoot on is a row of phaseOrderAndFailures.
        QTest::newRow("disk, fixBoot off") << CloneModeType::DiskClone << false << true;
        QTest::newRow("system") << CloneModeType::SystemClone << true << false;
        // The worker fails every mode alike.
        QTest::newRow("partition") << CloneModeType::PartitionClone << true << false;
        QTest::newRow("partition, fixBoot off") << CloneModeType::PartitionClone << false << true;
    }
    void bootRepairFailureDependsOnMode()
    {
        QFETCH(CloneModeType, mode);
        QFETCH(bool, fixBoot);
        QFETCH(bool, success);
        m_script->failPhase = QStringLiteral("repairBoot");
        CloneConfig config = diskConfig(mode);
        config.fixBoot = fixBoot;
        CloneEngine engine;
        QCOMPARE(run(engine, config).value(0).toBool(), success);
        // fixBoot alone decides, in every mode.
        QCOMPARE(m_script->recorded().contains(QStringLiteral("repairBoot")), fixBoot);
    }

    // The boot tools need the copy's volumes: the target and its volume locks are given back
    // before the repair starts, in every mode.
    void targetIsReleasedBeforeBootRepair()
    {
        m_script->openDisks = true;
        CloneConfig config = diskConfig(CloneModeType::PartitionClone);
        config.fixBoot = true;
        CloneEngine engine;
        QCOMPARE(run(engine, config).value(0).toBool(), true);
        QCOMPARE(m_script->targetOpenAtRepair.load(), 0);
    }

    // A plan asked for first is the run's plan: one strategy, validated once, and a plan() that
    // refuses gives the run's own words without starting anything.
    void plannedRequestRunsWithoutValidatingAgain()
    {
        CloneEngine engine;
        engine.setConfig(diskConfig());
        QString error;
        QVERIFY2(engine.plan(error), qPrintable(error));
        QCOMPARE(m_script->recorded(), (QStringList{"setConfig", "validate"}));
        QSignalSpy finished(&engine, &CloneEngine::finished);
        engine.start();
        QVERIFY(finished.wait(10000));
        QVERIFY(finished.first().at(0).toBool());
        QCOMPARE(m_script->recorded(), (QStringList{"setConfig", "validate", "prepare", "execute", "repairBoot"}));
        QCOMPARE(m_script->created, 1);

        installScript();
        m_script->failPhase = QStringLiteral("validate");
        m_script->failText = QStringLiteral("no room");
        engine.setConfig(diskConfig());
        QVERIFY(!engine.plan(error));
        QCOMPARE(error, QStringLiteral("no room"));
        QVERIFY(!engine.isRunning());
        m_script->failPhase.clear();
        CloneConfig alias = diskConfig();
        alias.targetDisk.diskNumber = 2;
        alias.targetDisk.size = alias.sourceDisk.size;
        engine.setConfig(alias);
        QVERIFY(!engine.plan(error));
        QVERIFY2(error.contains(QLatin1String("under another name")), qPrintable(error));
    }

    void secondStartWhileRunningIsRefused()
    {
        m_script->blockInExecute = true;
        CloneEngine engine;
        QSignalSpy finished(&engine, &CloneEngine::finished);
        engine.setConfig(diskConfig());
        engine.start();
        QTRY_VERIFY_WITH_TIMEOUT(m_script->inExecute.load(), 5000);
        engine.start();
        QVERIFY(engine.isRunning());
        m_script->release = true;
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 5000);
        QVERIFY(m_script->created == 1 && finished.first().first().toBool());
        // Once finished, a new run is accepted.
        m_script->blockInExecute = false;
        QVERIFY(run(engine, diskConfig()).value(0).toBool() && m_script->created == 2);
    }

    // Cancelled in the copy or right after start (before the worker ran): the run ends unsuccessful
    // and cancelled, never also failed, and boot repair never runs.
    void cancellation_data()
    {
        QTest::addColumn<bool>("inCopy");
        QTest::newRow("in the copy") << true;
        QTest::newRow("right after start") << false;
    }
    void cancellation()
    {
        QFETCH(bool, inCopy);
        m_script->blockInExecute = inCopy;
        m_script->progress = {{1 << 20, 8 << 20}};
        CloneEngine engine;
        QSignalSpy progress(&engine, &CloneEngine::progressChanged);
        QSignalSpy finished(&engine, &CloneEngine::finished);
        QSignalSpy status(&engine, &CloneEngine::statusChanged);
        engine.setConfig(diskConfig());
        engine.start();
        if (inCopy)
            QTRY_VERIFY_WITH_TIMEOUT(m_script->inExecute.load(), 5000);
        engine.cancel();
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 5000);
        QVERIFY(!finished.first().at(0).toBool() && engine.status() == Tessarin::Cancelled);
        QCOMPARE(progress.last().first().value<CloneProgress>().status, Tessarin::Cancelled);
        QList<Tessarin::CloneStatus> ends;
        for (const QList<QVariant>& s : std::as_const(status))
            if (const auto value = s.first().value<Tessarin::CloneStatus>(); value >= Tessarin::Completed)
                ends << value;
        QCOMPARE(ends, QList<Tessarin::CloneStatus>{Tessarin::Cancelled});
        QVERIFY(!m_script->recorded().contains(QStringLiteral("repairBoot")));
        engine.cancel();  // after the end: nothing to reach, must not crash
    }

    // Destroying a running engine cancels the run and waits for it; a worker that does not stop in
    // time is left to finish and delete itself: it is never killed.
    void destroyingEngineWhileRunning_data()
    {
        QTest::addColumn<bool>("ignoreCancel");
        QTest::newRow("worker stops") << false;
        QTest::newRow("worker ignores the cancel") << true;
    }
    void destroyingEngineWhileRunning()
    {
        QFETCH(bool, ignoreCancel);
        m_script->blockInExecute = true;
        m_script->ignoreCancel = ignoreCancel;
        auto engine = std::make_unique<CloneEngine>();
        if (ignoreCancel)
            engine->setStopTimeout(100);
        engine->setConfig(diskConfig());
        engine->start();
        QTRY_VERIFY_WITH_TIMEOUT(m_script->inExecute.load(), 5000);
        QElapsedTimer timer;
        timer.start();
        engine.reset();
        QVERIFY(timer.elapsed() < 5000);
        QCOMPARE(m_script->workerFinished.load(), !ignoreCancel);
        if (ignoreCancel) {
            QVERIFY(!m_script->thread.isNull());
            m_script->release = true;  // the run goes on to its end: it was not cut off
            QTRY_VERIFY_WITH_TIMEOUT(m_script->thread.isNull(), 5000);
            QVERIFY(m_script->workerFinished.load());
        }
        QCOMPARE(m_script->recorded().last(), QStringLiteral("execute"));
    }

    void handlesAreClosedBeforeFinished()
    {
        CountingDevices counting(*Platform::native().parts().devices);
        ScopedPlatform scoped(PlatformParts{.devices = &counting});
        m_script->openDisks = true;
        m_script->failPhase = QStringLiteral("execute");
        m_script->failText = QStringLiteral("copy failed");
        CloneEngine engine;
        // The run opens the target only when it is still the disk chosen, as enumeration saw it.
        CloneConfig config = diskConfig();
        const QList<DiskInfo> disks = DiskManager::enumerateDisks();
        QVERIFY(disks.size() > 1);
        config.sourceDisk = disks.at(0);
        config.targetDisk = disks.at(1);
        const QList<QVariant> result = run(engine, config);
        QCOMPARE(result.value(1).toString(), QStringLiteral("copy failed"));
        QVERIFY(m_script->recorded().contains(QStringLiteral("prepare")));  // both sides were opened
        // That slot runs on the worker thread and may come after the engine has relayed finished.
        QTRY_VERIFY_WITH_TIMEOUT(m_script->openHandlesAtFinish.load() != -1, 5000);
        QCOMPARE(m_script->openHandlesAtFinish.load(), 0);
    }
};

QTEST_GUILESS_MAIN(TestCloneEngine)
#include "test_cloneengine.moc"
