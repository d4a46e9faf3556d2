#pragma once
#include "core/clonepreflight.h"
#include "core/cloneconfig.h"
#include "core/cloneprogress.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <atomic>

class CloneMode;
class DiskIO;

// Runs one clone on the worker thread: creates the strategy, drives its phases, keeps the
// progress snapshot and reports the outcome. Used for one run only.
class CloneWorker : public QObject {
    Q_OBJECT
public:
    explicit CloneWorker(QObject* parent = nullptr);
    ~CloneWorker() override;

    void setConfig(const CloneConfig& config) { m_config = config; }
    const CloneConfig& config() const { return m_config; }
    void setSmartClone(bool on) { m_smartClone = on; }
    bool smartClone() const { return m_smartClone; }
    DiskIO* diskIO() const { return m_diskIO; }
    CloneProgress progress() const { return m_progress; }
    bool isCancelled() const { return m_cancelled.load(); }

public slots:
    void doClone();
    // Safe from any thread.
    void cancel();

signals:
    void progressChanged(const CloneProgress& progress);
    void finished(bool success, const QString& message);

private:
    // Next to the log: one "start count" line per unreadable source range.
    void writeUnreadableMap();
    bool runPhases(CloneMode* strategy);
    void setStrategy(CloneMode* strategy);
    void emitProgress();
    // The offline bootability check of the finished copy, into the progress and the log.
    void checkTarget();

    CloneConfig m_config;
    CloneProgress m_progress;
    DiskIO* m_diskIO = nullptr;
    bool m_smartClone = true;
    std::atomic<bool> m_cancelled{false};
    QMutex m_mutex;
    CloneMode* m_strategy = nullptr;  // guarded by m_mutex
    // Source and target claimed for the run, from the checks before the first write to the end.
    ClonePreflight m_preflight;
};
