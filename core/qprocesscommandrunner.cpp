#include "core/qprocesscommandrunner.h"

#include "platform/platform.h"

#include <QProcess>

QString QProcessCommandRunner::programPath(const QString& program, const QString& systemDirectory)
{
    if (systemDirectory.isEmpty() || program.contains(QLatin1Char('\\')) || program.contains(QLatin1Char('/')))
        return program;
    QString folder = systemDirectory;
    if (folder.endsWith(QLatin1Char('\\')))
        folder.chop(1);
    // PowerShell lives in its own folder below System32.
    if (program.compare(QLatin1String("powershell"), Qt::CaseInsensitive) == 0)
        folder += QStringLiteral("\\WindowsPowerShell\\v1.0");
    const QString file = program.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive) ? program : program + QStringLiteral(".exe");
    return folder + QLatin1Char('\\') + file;
}

CommandResult QProcessCommandRunner::run(const CommandRequest& request)
{
    CommandResult result;
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    const QString systemDirectory = QString::fromStdString(Platform::current().systemDirectory());
    process.start(programPath(request.program, systemDirectory), request.arguments, QIODevice::ReadWrite);
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
