#pragma once
#include "core/cloneconfig.h"
#include "core/cloneprogress.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <memory>

class ClonePlan;
class CloneWorker;
class QThread;

// The user interface's entry point for a clone: logs the request, runs it on a worker thread and
// relays status, progress and result. One clone at a time. The request is validated and planned
// once per run: by plan(), when the caller shows the plan or its refusal first, else by the run.
class CloneEngine : public QObject {
    Q_OBJECT
public:
    explicit CloneEngine(QObject* parent = nullptr);
    ~CloneEngine() override;

    void setConfig(const CloneConfig& config);
    const CloneConfig& config() const { return *m_config; }
    // Validates the request and makes its plan on the caller's thread, reading only the source; the
    // next start() runs exactly this plan. False with `error` when the run would be refused.
    bool plan(QString& error);
    // The plan of the last successful plan(), until start() or setConfig().
    const ClonePlan& currentPlan() const;
    // Forgets the plan (and the source snapshot it holds) when the run is not started after all.
    void dropPlanned();
    void start();
    void cancel();
    // True from a successful start until the worker reports finished.
    bool isRunning() const;
    // How long destruction waits for a cancelled worker before leaving it to end on its own.
    void setStopTimeout(int milliseconds) { m_stopTimeoutMs = milliseconds; }

    Tessarin::CloneStatus status() const { return m_status; }
    CloneProgress progress() const { return m_progress; }

signals:
    void statusChanged(Tessarin::CloneStatus status);
    void progressChanged(const CloneProgress& progress);
    void finished(bool success, const QString& message);
    void error(const QString& message);

public slots:
    void onWorkerProgress(const CloneProgress& progress);
    void onWorkerFinished(bool success, const QString& message);
    void onWorkerError(const QString& message);

private:
    void logConfiguration() const;
    void setStatus(Tessarin::CloneStatus status);

    // One value per request, shared with the worker that runs it.
    std::shared_ptr<const CloneConfig> m_config = std::make_shared<const CloneConfig>();
    CloneProgress m_progress;
    Tessarin::CloneStatus m_status = Tessarin::Idle;
    // What cancel() and the worker thread share about one run. Shared, so that a worker left
    // running after the engine is gone can still mark its end.
    struct Run {
        QMutex mutex;
        CloneWorker* worker = nullptr;  // guarded by mutex; cleared as the worker finishes
    };
    std::shared_ptr<Run> m_run;
    QThread* m_thread = nullptr;
    CloneWorker* m_planned = nullptr;  // planned, waiting for start(); owned until then
    int m_stopTimeoutMs = 5000;
    uint64_t m_lastLoggedBytes = 0;
};
