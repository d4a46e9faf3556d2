#include "core/qprocesscommandrunner.h"

#include <QProcess>

CommandResult QProcessCommandRunner::run(const CommandRequest& request)
{
    CommandResult result;
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(request.program, request.arguments, QIODevice::ReadWrite);
    const int startWait = request.startTimeoutMs >= 0 ? request.startTimeoutMs : 30000;
    if (!process.waitForStarted(startWait)) {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(request.killWaitMs);
        }
        return result;
    }
    result.started = true;
    if (process.waitForFinished(request.finishTimeoutMs)) {
        result.finished = true;
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    } else {
        result.timedOut = true;
        // A tool left running could still change the disk after the caller moved on.
        process.kill();
        process.waitForFinished(request.killWaitMs);
    }
    result.standardOutput = process.readAllStandardOutput();
    result.standardError = process.readAllStandardError();
    return result;
}
