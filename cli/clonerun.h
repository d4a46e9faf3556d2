#pragma once
#include "cli/cliresult.h"
#include "core/cloneconfig.h"
#include "core/cloneprogress.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QObject>
#include <atomic>

class ClonePlan;
class CloneEngine;
class QTimer;

// One clone from the console: runs the request on the engine, shows its progress (a line redrawn
// in place on a terminal, else one JSON object per line) and turns the end into an exit code.
class CloneRun : public QObject {
    Q_OBJECT
public:
    CloneRun(const CloneConfig& config, bool json, bool terminal, QObject* parent = nullptr);
    ~CloneRun() override;

    // The request validated and planned as the run will carry it out; false with `error`, a refusal.
    bool plan(QString& error);
    const ClonePlan& currentPlan() const;
    // Runs until the engine has finished; the exit code.
    CliResult::Code exec();
    // Safe in a signal handler: the run cancels through the engine at its next poll.
    static void requestCancel() { s_cancelRequested.store(true); }
    static void printJson(const QJsonObject& object);

private:
    void onProgress(const CloneProgress& progress);
    void onFinished(bool success, const QString& message);
    void drawLine(const CloneProgress& progress);
    QJsonObject progressObject(const CloneProgress& progress) const;

    static std::atomic<bool> s_cancelRequested;
    CloneEngine* m_engine;
    QTimer* m_cancelPoll;
    bool m_json;
    bool m_terminal;
    bool m_cancelSent = false;
    QString m_lastPhase;
    Tessarin::CloneStatus m_lastStatus = Tessarin::Idle;
    QElapsedTimer m_sinceReport;
    CloneProgress m_last;
    CliResult::Code m_code = CliResult::Failed;
};
