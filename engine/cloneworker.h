#pragma once
#include "core/clonepreflight.h"
#include "core/cloneconfig.h"
#include "core/cloneprogress.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <atomic>
#include <memory>

class CloneMode;
class CloneResume;
class ClonePlan;
class DiskIO;

// Runs one clone on the worker thread: creates the strategy, drives its phases, keeps the
// progress snapshot and reports the outcome. Used for one run only. The strategy validates the
// request and makes its plan once, in plan(): before the thread starts when the caller wants to
// see the plan (dry run, confirmation), else at the start of doClone.
class CloneWorker : public QObject {
    Q_OBJECT
public:
    explicit CloneWorker(QObject* parent = nullptr);
    ~CloneWorker() override;

    // The engine's one copy of the request, shared and never changed while the worker holds it.
    void setConfig(std::shared_ptr<const CloneConfig> config) { m_config = std::move(config); }
    // The strategy created and configured, the request validated and the plan made, reading only
    // the source. False with `error`, the run's own refusal.
    bool plan(QString& error);
    bool isPlanned() const;
    // Empty until plan() succeeded.
    const ClonePlan& clonePlan() const;
    const CloneConfig& config() const { return *m_config; }
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
    bool createStrategy(QString& error);
    bool runPhases(CloneMode* strategy);
    void setStrategy(CloneMode* strategy);
    void emitProgress();
    // The offline bootability check of the finished copy, into the progress and the log.
    void checkTarget(const CloneMode& strategy);
    // The run's journal checked (resumed run) or made ready (fresh run), before the first write.
    bool beginJournal(CloneMode* strategy, QString& error);

    std::shared_ptr<const CloneConfig> m_config = std::make_shared<const CloneConfig>();
    CloneProgress m_progress;
    DiskIO* m_diskIO = nullptr;
    bool m_smartClone = true;
    std::atomic<bool> m_cancelled{false};
    QMutex m_mutex;
    CloneMode* m_strategy = nullptr;  // guarded by m_mutex
    // Source and target claimed for the run, from the checks before the first write to the end.
    ClonePreflight m_preflight;
    std::unique_ptr<CloneResume> m_resume;
};
