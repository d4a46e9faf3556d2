#include "core/qprocesscommandrunner.h"

#include "platform/platform.h"

#include <QElapsedTimer>
#include <QFile>
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

namespace {
// How long one wait for output lasts; standard error is looked at between waits.
constexpr int WaitSliceMs = 20;
}

CommandResult QProcessCommandRunner::run(const CommandRequest& request)
{
    CommandResult result;
    QFile sink;
    if (!request.standardOutputFile.isEmpty()) {
        sink.setFileName(request.standardOutputFile);
        if (!sink.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return result;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    const QString systemDirectory = QString::fromStdString(Platform::files().systemDirectory());
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
    process.setReadChannel(QProcess::StandardOutput);
    qint64 written = 0;
    // Output is taken as it arrives, so a child that floods it is stopped at the limit instead of
    // filling memory.
    auto drain = [&]() {
        const QByteArray out = process.readAllStandardOutput();
        const qint64 outRoom = request.outputLimit - written;
        const QByteArray kept = out.left(outRoom);
        if (sink.isOpen())
            sink.write(kept);
        else
            result.standardOutput += kept;
        written += kept.size();
        const QByteArray err = process.readAllStandardError();
        const qint64 errRoom = request.outputLimit - result.standardError.size();
        result.standardError += err.left(errRoom);
        if (out.size() > outRoom || err.size() > errRoom)
            result.outputCut = true;
    };
    QElapsedTimer clock;
    clock.start();
    while (process.state() != QProcess::NotRunning) {
        const qint64 left = request.finishTimeoutMs - clock.elapsed();
        if (left <= 0) {
            result.timedOut = true;
            break;
        }
        const int slice = int(qMin<qint64>(left, WaitSliceMs));
        // A child that closed its output but runs on is waited for, not spun on.
        if (!process.waitForReadyRead(slice) && process.state() != QProcess::NotRunning)
            process.waitForFinished(slice);
        drain();
        if (result.outputCut)
            break;
    }
    if (result.timedOut || result.outputCut) {
        // A tool left running could still change the disk after the caller moved on.
        process.kill();
        process.waitForFinished(request.killWaitMs);
        return result;
    }
    drain();
    if (result.outputCut)
        return result;
    result.finished = true;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return result;
}
