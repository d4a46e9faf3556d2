#pragma once
#include "core/cloneconfig.h"
#include "core/cloneprogress.h"

#include <QMutex>
#include <QObject>
#include <QString>

class CloneWorker;
class QThread;

// The user interface's entry point for a clone: validates and logs the request, runs it on a
// worker thread and relays status, progress and result. One clone at a time.
class CloneEngine : public QObject {
    Q_OBJECT
public:
    explicit CloneEngine(QObject* parent = nullptr);
    ~CloneEngine() override;

    void setConfig(const CloneConfig& config);
    const CloneConfig& config() const { return m_config; }
    void start();
    void cancel();
    // True from a successful start until the worker reports finished.
    bool isRunning() const;

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

    CloneConfig m_config;
    CloneProgress m_progress;
    Tessarin::CloneStatus m_status = Tessarin::Idle;
    QThread* m_thread = nullptr;
    CloneWorker* m_worker = nullptr;
    // Guards m_worker against the worker finishing (and deleting itself) while cancel() reaches in.
    mutable QMutex m_workerMutex;
    bool m_workerRunning = false;  // guarded by m_workerMutex
    uint64_t m_lastLoggedBytes = 0;
};
