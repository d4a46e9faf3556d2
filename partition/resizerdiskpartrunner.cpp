#include "partition/resizerdiskpartrunner.h"
#include "core/commandrunner.h"
#include "core/logger.h"

#include <QTemporaryFile>
#include <QTextStream>

bool ResizerDiskpartRunner::isSuccess(int exitCode, const QString& output)
{
    return exitCode == 0 && !output.contains(QLatin1String("error"), Qt::CaseInsensitive) &&
           !output.contains(QLatin1String("failed"), Qt::CaseInsensitive);
}

bool ResizerDiskpartRunner::run(const QString& script, QString& output)
{
    QTemporaryFile file;
    file.setAutoRemove(true);
    if (!file.open()) {
        output = QStringLiteral("Failed to create temporary script file");
        return false;
    }
    {
        QTextStream stream(&file);
        stream.setEncoding(QStringConverter::Utf8);
        stream << script;
        stream.flush();
    }
    file.flush();
    file.close();

    CommandRequest request;
    request.program = QStringLiteral("diskpart");
    request.arguments = {QStringLiteral("/s"), file.fileName()};
    request.finishTimeoutMs = FinishTimeoutMs;
    request.killOnTimeout = false;
    const CommandResult result = CommandRunner::current().run(request);

    output = QString::fromLocal8Bit(result.standardOutput);
    if (!result.standardError.isEmpty())
        output += QLatin1Char('\n') + QString::fromLocal8Bit(result.standardError);
    Logger::instance().info(QStringLiteral("Diskpart output: %1").arg(output));
    // A tool that never started (or never ended) cannot have succeeded.
    if (!result.started || !result.finished)
        return false;
    return isSuccess(result.exitCode, output);
}
