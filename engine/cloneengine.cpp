#include "engine/cloneengine.h"
#include "core/logger.h"
#include "engine/cloneworker.h"
#include "modes/cloneplan.h"

#include <QDateTime>
#include <QThread>

namespace {
constexpr uint64_t ProgressLogStep = 104857600;  // 100 MiB between "ENGINE PROGRESS" lines

QString yesNo(bool value) { return value ? QStringLiteral("Yes") : QStringLiteral("No"); }

QString diskLine(const char* role, const DiskInfo& disk)
{
    return QStringLiteral("  %1: Disk %2 (%3, %4 GB, bus=%5, media=%6)")
        .arg(QLatin1String(role))
        .arg(disk.diskNumber)
        .arg(disk.model)
        .arg(static_cast<double>(disk.size) / (1024.0 * 1024.0 * 1024.0), 0, 'f', 2)
        .arg(disk.busType.isEmpty() ? QStringLiteral("Unknown") : disk.busType)
        .arg(disk.isSsd ? QStringLiteral("SSD") : QStringLiteral("HDD/Unknown"));
}
}

CloneEngine::CloneEngine(QObject* parent) : QObject(parent) { Tessarin::registerMetaTypes(); }

CloneEngine::~CloneEngine()
{
    dropPlanned();
    if (!m_thread)
        return;
    cancel();
    if (m_thread->wait(QDeadlineTimer(m_stopTimeoutMs))) {
        // Its queued deleteLater may never run when the application is shutting down.
        delete m_thread;
        return;
    }
    // Killing a thread in the middle of a write could leave a half-written sector and held locks;
    // the worker stops at its next cancellation check and the thread then deletes itself.
    Logger::instance().warning(QStringLiteral("Worker thread did not finish in time; it ends on its own after cancelling"));
}

void CloneEngine::setConfig(const CloneConfig& config)
{
    dropPlanned();
    m_config = std::make_shared<const CloneConfig>(config);
}

void CloneEngine::dropPlanned()
{
    delete m_planned;
    m_planned = nullptr;
}

bool CloneEngine::plan(QString& error)
{
    dropPlanned();
    auto* worker = new CloneWorker();
    worker->setConfig(m_config);
    worker->setSmartClone(m_config->smartClone);
    if (!worker->plan(error)) {
        delete worker;
        return false;
    }
    m_planned = worker;
    return true;
}

const ClonePlan& CloneEngine::currentPlan() const
{
    static const ClonePlan none;
    return m_planned ? m_planned->clonePlan() : none;
}

bool CloneEngine::isRunning() const
{
    if (!m_run)
        return false;
    QMutexLocker lock(&m_run->mutex);
    return m_run->worker != nullptr;
}

void CloneEngine::cancel()
{
    if (!m_run)
        return;
    QMutexLocker lock(&m_run->mutex);
    if (m_run->worker)
        m_run->worker->cancel();
}

void CloneEngine::setStatus(Tessarin::CloneStatus status)
{
    if (status == m_status)
        return;
    m_status = status;
    emit statusChanged(status);
}

void CloneEngine::logConfiguration() const
{
    Logger& log = Logger::instance();
    const CloneConfig& c = *m_config;
    log.info(QStringLiteral("Clone configuration:"));
    log.info(QStringLiteral("  Mode: %1").arg(static_cast<int>(c.mode)));
    log.info(diskLine("Source", c.sourceDisk));
    log.info(diskLine("Target", c.targetDisk));
    log.info(QStringLiteral("  Smart Clone: %1").arg(yesNo(c.smartClone)));
    log.info(QStringLiteral("  Align 4K: %1").arg(yesNo(c.align4K)));
    log.info(QStringLiteral("  Fix Boot: %1").arg(yesNo(c.fixBoot)));
    log.info(QStringLiteral("  Resize Mode: %1").arg(c.resizeModeName()));
    log.info(QStringLiteral("  Copy Method: Pipeline (optimized)"));
    if (c.resizeMode == Tessarin::ResizeMode::KeepAndCreateData)
        log.info(QStringLiteral("  Data Partition Label: %1").arg(c.dataPartitionLabel));
}

void CloneEngine::start()
{
    Logger& log = Logger::instance();
    if (isRunning()) {
        log.warning(QStringLiteral("Clone operation already in progress"));
        return;
    }
    logConfiguration();

    auto* thread = new QThread();
    CloneWorker* worker = m_planned;
    m_planned = nullptr;
    if (!worker) {
        worker = new CloneWorker();
        worker->setConfig(m_config);
        worker->setSmartClone(m_config->smartClone);
    }
    worker->moveToThread(thread);

    auto run = std::make_shared<Run>();
    run->worker = worker;
    connect(thread, &QThread::started, worker, &CloneWorker::doClone);
    connect(worker, &CloneWorker::progressChanged, this, &CloneEngine::onWorkerProgress);
    // Runs on the worker thread before the worker can be deleted, so cancel() never reaches a dead
    // worker; it waits for a cancel() in flight to complete. Direct, so that neither depends on the
    // user-interface thread's event loop (which is blocked while the engine waits in its destructor).
    connect(worker, &CloneWorker::finished, worker, [run, thread] {
        {
            QMutexLocker lock(&run->mutex);
            run->worker = nullptr;
        }
        thread->quit();
    }, Qt::DirectConnection);
    connect(worker, &CloneWorker::finished, this, &CloneEngine::onWorkerFinished);
    connect(worker, &CloneWorker::finished, worker, &QObject::deleteLater);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);

    m_run = run;
    m_thread = thread;
    m_lastLoggedBytes = 0;
    setStatus(Tessarin::CloningData);
    thread->start(QThread::InheritPriority);
    log.info(QStringLiteral("Clone engine started"));
}

void CloneEngine::onWorkerProgress(const CloneProgress& progress)
{
    m_progress = progress;
    if (m_progress.speed == 0 && m_progress.copiedBytes > 0) {
        const qint64 elapsedMs = m_progress.startTime.msecsTo(QDateTime::currentDateTime());
        if (elapsedMs > 0)
            m_progress.speed = m_progress.copiedBytes * 1000 / static_cast<uint64_t>(elapsedMs);
    }
    if (m_progress.status != m_status)
        setStatus(m_progress.status);

    if (m_progress.copiedBytes < m_lastLoggedBytes)
        m_lastLoggedBytes = 0;
    if (m_progress.copiedBytes - m_lastLoggedBytes > ProgressLogStep) {
        Logger::instance().info(QStringLiteral("ENGINE PROGRESS: %1 / %2 MB = %3%")
                                    .arg(m_progress.copiedBytes >> 20)
                                    .arg(m_progress.totalBytes >> 20)
                                    .arg(m_progress.percentage(), 0, 'f', 1));
        m_lastLoggedBytes = m_progress.copiedBytes;
    }
    emit progressChanged(m_progress);
}

void CloneEngine::onWorkerFinished(bool success, const QString& message)
{
    // The worker's last progress already said whether the run was cancelled.
    if (m_progress.status == Tessarin::Cancelled)
        setStatus(Tessarin::Cancelled);
    else
        setStatus(success ? Tessarin::Completed : Tessarin::Failed);
    m_thread = nullptr;
    emit finished(success, message);
}

void CloneEngine::onWorkerError(const QString& message)
{
    Logger::instance().error(message);
    emit error(message);
}
