#include "engine/cloneworker.h"
#include "boot/bootabilitycheck.h"
#include "core/diskidentity.h"
#include "core/diskio.h"
#include "core/logger.h"
#include "engine/clonemodefactory.h"
#include "modes/clonemode.h"
#include "modes/cloneresume.h"
#include "modes/unreadableowners.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

using Tessarin::CloneModeType;
using Tessarin::ResizeMode;

CloneWorker::CloneWorker(QObject* parent) : QObject(parent), m_diskIO(new DiskIO(this)) {}

CloneWorker::~CloneWorker() = default;

void CloneWorker::emitProgress() { emit progressChanged(m_progress); }

void CloneWorker::setStrategy(CloneMode* strategy)
{
    QMutexLocker lock(&m_mutex);
    m_strategy = strategy;
    // A cancel that came before the strategy existed must still reach it.
    if (m_strategy && m_cancelled.load())
        m_strategy->cancel();
}

void CloneWorker::cancel()
{
    QMutexLocker lock(&m_mutex);
    m_cancelled.store(true);
    m_diskIO->cancel();
    if (m_strategy)
        m_strategy->cancel();
    Logger::instance().info(QStringLiteral("Clone operation cancellation requested"));
}

bool CloneWorker::isPlanned() const { return m_strategy && m_strategy->isPlanned(); }

const ClonePlan& CloneWorker::clonePlan() const
{
    static const ClonePlan none;
    return isPlanned() ? m_strategy->plan() : none;
}

bool CloneWorker::plan(QString& error)
{
    if (!m_strategy && !createStrategy(error))
        return false;
    return m_strategy->makePlan(error);
}

void CloneWorker::doClone()
{
    Logger& log = Logger::instance();
    // The worker serves one run, so a cancel that arrived before this point is kept, not cleared.
    m_progress.reset();
    m_progress.status = Tessarin::Preparing;
    m_progress.startTime = QDateTime::currentDateTime();
    emitProgress();
    log.info(QStringLiteral("Starting clone operation..."));

    QString createError;
    bool result = false;
    if (m_strategy || createStrategy(createError)) {
        CloneMode* strategy = m_strategy;
        result = runPhases(strategy);
        m_progress.warnings = strategy->warnings();
        m_progress.skipped = strategy->skipped();
        m_progress.bootRepaired = strategy->bootRepaired();
        if (result && !config().fixBoot)
            m_progress.skipped.prepend(tr("Boot repair: not requested"));
        // After the boot repair, so a repair that damaged the copy is caught too.
        if (result && !m_cancelled.load()) {
            m_diskIO->close();
            checkTarget(*strategy);
            if (!m_progress.targetCheckPassed)
                m_progress.warnings.append(tr("the check of the copy found errors; it may not start as it is"));
        }
        m_diskIO->setCheckpoint({});
        if (m_resume && result && !m_cancelled.load())
            m_resume->finish();
        else if (m_resume && m_resume->isRecording()) {
            m_progress.resumable = true;
            log.info(QStringLiteral("The run's journal is kept for resuming: %1").arg(m_resume->path()));
        }
        m_resume.reset();
        setStrategy(nullptr);
        delete strategy;
    } else {
        m_progress.errorMessage = createError;
    }

    m_progress.verifiedBytes = m_diskIO->verifiedBytes();
    m_progress.unreadableSectors = m_diskIO->unreadable().sectorCount();
    if (m_progress.unreadableSectors > 0) {
        writeUnreadableMap();
        for (const QString& line : UnreadableOwners::describe(config().sourceDisk, m_diskIO->unreadable()))
            log.warning(line);
    }

    QString message;
    bool success = false;
    if (m_cancelled.load()) {
        m_progress.status = Tessarin::Cancelled;
        message = tr("Clone operation cancelled");
        log.info(message);
    } else if (result && m_progress.unreadableSectors > 0) {
        // Done, but never a plain success: the copy holds zeros where the source could not be read.
        m_progress.status = Tessarin::Completed;
        message = tr("Clone completed with unreadable sectors: %1").arg(m_progress.unreadableSectors);
        log.warning(message);
        success = true;
    } else if (result && !m_progress.warnings.isEmpty()) {
        m_progress.status = Tessarin::Completed;
        message = tr("Clone completed with warnings: %1").arg(m_progress.warnings.join(QStringLiteral("; ")));
        log.warning(message);
        success = true;
    } else if (result) {
        m_progress.status = Tessarin::Completed;
        message = tr("Clone completed successfully");
        log.info(message);
        success = true;
    } else {
        m_progress.status = Tessarin::Failed;
        message = m_progress.errorMessage.isEmpty() ? tr("Clone operation failed") : m_progress.errorMessage;
        log.error(message);
    }
    // The user interface re-enumerates on finished, so no handle may stay open past this point.
    m_diskIO->close();
    m_preflight.release();
    DiskIdentity::forgetAll();
    emitProgress();
    emit finished(success, message);
}

void CloneWorker::checkTarget(const CloneMode& strategy)
{
    Logger& log = Logger::instance();
    m_progress.currentPhase = tr("Checking the target...");
    emitProgress();
    const auto findings = strategy.checkCopy();
    m_progress.targetCheckPassed = BootabilityCheck::passed(findings);
    for (const auto& f : findings) {
        const QString line = BootabilityCheck::severityName(f.severity) + QStringLiteral(": ") + f.text;
        m_progress.targetCheck.append(line);
        if (f.severity == BootabilityCheck::Severity::Error)
            log.warning(QStringLiteral("Target check: %1").arg(line));
        else
            log.info(QStringLiteral("Target check: %1").arg(line));
    }
}

bool CloneWorker::beginJournal(CloneMode* strategy, QString& error)
{
    m_resume = std::make_unique<CloneResume>(config(), strategy->plan(), CloneResume::logFolder());
    if (!m_resume->begin(*m_diskIO, error))
        return false;
    strategy->setResume(m_resume.get());
    return true;
}

void CloneWorker::writeUnreadableMap()
{
    QString logPath = Logger::instance().filePath();
    if (logPath.isEmpty())
        logPath = logFilePath();
    const QString stamp = m_progress.startTime.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString path = QFileInfo(logPath).dir().filePath(
        QStringLiteral("unreadable-%1-%2.txt").arg(stamp, config().id.isEmpty() ? QStringLiteral("clone") : config().id));
    QString error;
    if (m_diskIO->unreadable().save(path, error)) {
        m_progress.unreadableMapPath = path;
        Logger::instance().warning(QStringLiteral("Unreadable source sectors listed in %1").arg(path));
    } else {
        Logger::instance().error(QStringLiteral("Could not write the unreadable-sector map %1: %2").arg(path, error));
    }
}

bool CloneWorker::createStrategy(QString& error)
{
    Logger& log = Logger::instance();
    CloneMode* strategy = CloneModeFactory::create(config().mode, this, error);
    if (!strategy)
        return false;
    if (config().mode == CloneModeType::SystemClone) {
        switch (config().resizeMode) {
        case ResizeMode::ExpandSystem:
            strategy->setResizeMode(config().resizeMode);
            log.info(QStringLiteral("Resize mode: Expand System Partition"));
            break;
        case ResizeMode::KeepAndCreateData:
            strategy->setResizeMode(config().resizeMode);
            strategy->setDataPartitionLabel(config().dataPartitionLabel);
            log.info(QStringLiteral("Resize mode: Keep Original + Create Data Partition (label: %1)")
                         .arg(config().dataPartitionLabel));
            break;
        case ResizeMode::KeepOnly:
            strategy->setResizeMode(config().resizeMode);
            log.info(QStringLiteral("Resize mode: Keep Original Size Only"));
            break;
        }
    }

    strategy->setConfig(config());
    strategy->setSmartClone(m_smartClone);
    strategy->setAlign4K(config().align4K);
    strategy->setSectorBySector(config().sectorBySector);
    strategy->setDiskIO(m_diskIO);
    m_diskIO->setVerify(config().verify);
    m_diskIO->setContinueOnReadErrors(config().continueOnReadErrors);
    if (config().verify)
        log.info(QStringLiteral("Verification: every copied range is read back and compared"));
    if (config().continueOnReadErrors)
        log.info(QStringLiteral("Unreadable source sectors: written as zeros, the clone goes on"));
    // The target as the user chose it: every open of it and every tool script that selects it
    // first checks that the number still names that disk.
    if (config().targetDisk.isValid())
        DiskIdentity::expect(config().targetDisk.diskNumber, DiskIdentity::of(config().targetDisk));
    strategy->setCopyMethod(CloneMode::CopyMethod::Pipeline);
    log.info(QStringLiteral("Copy method: Pipeline (multi-threaded)"));
    setStrategy(strategy);
    return true;
}

bool CloneWorker::runPhases(CloneMode* strategy)
{
    Logger& log = Logger::instance();
    // The read-back runs right behind the copy's writes, so the run stays in its copying state.
    connect(m_diskIO, &DiskIO::verifyProgressChanged, strategy, [this](uint64_t verified, uint64_t) {
        m_progress.verifiedBytes = verified;
        emitProgress();
    }, Qt::DirectConnection);
    connect(strategy, &CloneMode::progressChanged, this, [this](uint64_t completed, uint64_t total) {
        m_progress.copiedBytes = completed;
        m_progress.totalBytes = total;
        emitProgress();
    }, Qt::DirectConnection);
    connect(strategy, &CloneMode::phaseChanged, this, [this](const QString& phase) {
        m_progress.currentPhase = phase;
        emitProgress();
    }, Qt::DirectConnection);
    connect(strategy, &CloneMode::partitionChanged, this, [this](int current, int total, const QString& name) {
        m_progress.currentPartition = current;
        m_progress.totalPartitions = total;
        m_progress.partitionName = name;
        emitProgress();
    }, Qt::DirectConnection);
    connect(strategy, &CloneMode::speedChanged, this, [this](uint64_t bytesPerSecond) {
        m_progress.speed = bytesPerSecond;
        emitProgress();
    }, Qt::DirectConnection);

    QString validateError;
    // A plan made before this run (a confirmation in between) is checked again right before writing.
    const bool plannedEarlier = strategy->isPlanned();
    if (!strategy->makePlan(validateError)) {
        m_progress.errorMessage = validateError;
        m_progress.refused = true;
        return false;
    }
    // Everything that needs no write is refused here, before any strategy cleans or writes the target.
    const bool held = plannedEarlier ? m_preflight.begin(strategy->sourceSide(), strategy->targetSide(), validateError)
                                     : m_preflight.claim(strategy->sourceSide(), strategy->targetSide(), validateError);
    if (!held) {
        m_progress.errorMessage = validateError;
        m_progress.refused = true;
        return false;
    }
    // Strategies test the flag too; stopping here keeps a cancelled run from starting its next phase.
    if (m_cancelled.load())
        return false;
    if (!beginJournal(strategy, validateError)) {
        m_progress.errorMessage = validateError;
        m_progress.refused = true;
        return false;
    }
    if (!strategy->prepare()) {
        m_progress.errorMessage = strategy->lastError();
        m_progress.refused = !strategy->targetTouched();
        return false;
    }
    if (m_cancelled.load())
        return false;
    if (m_resume->isResuming() && !m_resume->checkTarget(*m_diskIO, validateError)) {
        m_progress.errorMessage = validateError;
        m_progress.refused = true;
        return false;
    }
    QString journalError;
    if (!m_resume->record(*m_diskIO, journalError))
        log.warning(journalError);

    m_progress.status = Tessarin::CloningData;
    emitProgress();
    if (!strategy->execute()) {
        m_progress.errorMessage = strategy->lastError();
        return false;
    }
    strategy->discardUnwritten();

    if (!config().fixBoot || m_cancelled.load())
        return true;

    m_progress.status = Tessarin::RepairingBoot;
    m_progress.currentPhase = tr("Repairing boot configuration...");
    emitProgress();
    // The boot tools mount, format and write the copy's volumes: the copy's locks must be gone.
    m_diskIO->closeTarget();
    if (strategy->repairBoot())
        return true;

    log.warning(QStringLiteral("Boot repair failed"));
    m_progress.errorMessage = strategy->lastError().isEmpty() ? tr("Boot repair failed") : strategy->lastError();
    log.error(m_progress.errorMessage);
    return false;
}
