#include "platformtools/toolrunner.h"

#include "platformtools/diskpartscript.h"
#include "platformtools/scriptfile.h"
#include "core/toolargumentrules.h"
#include "core/diskidentity.h"
#include "core/logger.h"
#include "platform/platform.h"

#include <QRegularExpression>

namespace {
// The runners that judge diskpart's output write their script under this name.
const QString JudgedScriptName = QStringLiteral("/tessarin_diskpart.txt");
}

QString ToolRunner::decode(const QByteArray& bytes)
{
    return QString::fromStdString(Platform::files().toolOutputText(bytes.toStdString()));
}

QList<int> ToolRunner::selectedDisks(const QString& script)
{
    static const QRegularExpression select(QStringLiteral("^\\s*sel(?:e(?:ct?)?)?\\s+dis(?:k)?(?:\\s+|\\s*=\\s*)(\\d+)\\s*$"),
                                           QRegularExpression::CaseInsensitiveOption
                                               | QRegularExpression::MultilineOption);
    QList<int> disks;
    for (auto it = select.globalMatch(script); it.hasNext();) {
        const int n = it.next().captured(1).toInt();
        if (!disks.contains(n))
            disks.append(n);
    }
    return disks;
}

QString ToolRunner::combinedOutput(const CommandResult& result)
{
    QString text = decode(result.standardOutput);
    if (!result.standardError.isEmpty())
        text += QLatin1Char('\n') + decode(result.standardError);
    return text;
}

QString ToolRunner::extractGuid(const QString& output)
{
    static const QRegularExpression guid(QStringLiteral(
        "\\{[0-9a-fA-F]{8}-[0-9a-fA-F]{4}-[0-9a-fA-F]{4}-[0-9a-fA-F]{4}-[0-9a-fA-F]{12}\\}"));
    const QRegularExpressionMatch m = guid.match(output);
    return m.hasMatch() ? m.captured(0) : QString();
}

bool ToolRunner::isSafeArgument(const QString& argument) { return ToolArgumentRules::isSafe(argument); }

CommandResult ToolRunner::run(const QString& program, const QStringList& arguments, int finishMs, int startMs)
{
    CommandRequest request;
    request.startTimeoutMs = startMs;
    request.finishTimeoutMs = finishMs;
    return run(program, arguments, request);
}

CommandResult ToolRunner::runToFile(const QString& program, const QStringList& arguments, int finishMs,
                                    const QString& outputFile, qint64 limit)
{
    CommandRequest request;
    request.finishTimeoutMs = finishMs;
    request.standardOutputFile = outputFile;
    request.outputLimit = limit;
    return run(program, arguments, request);
}

bool ToolRunner::namesBcdStore(const QStringList& arguments)
{
    if (arguments.size() < 2 || arguments.at(1).trimmed().isEmpty())
        return false;
    const QString option = arguments.first();
    return option.compare(QLatin1String("/store"), Qt::CaseInsensitive) == 0
        || option.compare(QLatin1String("/createstore"), Qt::CaseInsensitive) == 0;
}

CommandResult ToolRunner::run(const QString& program, const QStringList& arguments, CommandRequest request)
{
    // Without a store bcdedit edits the running system's boot entries, never those of a copy.
    if (program.compare(QLatin1String("bcdedit"), Qt::CaseInsensitive) == 0 && !namesBcdStore(arguments)) {
        Logger::instance().error(QStringLiteral("Refusing to run bcdedit without a boot store: %1").arg(arguments.join(QLatin1Char(' '))));
        return CommandResult();
    }
    request.program = program;
    request.arguments = arguments;
    request.killWaitMs = KillWaitMs;
    return CommandRunner::execute(request);
}

bool ToolRunner::runBcdedit(const QStringList& arguments, QString& output)
{
    Logger& log = Logger::instance();
    log.info(QStringLiteral("Executing: %1").arg(QStringLiteral("bcdedit ") + arguments.join(QLatin1Char(' '))));
    const CommandResult r = run(QStringLiteral("bcdedit"), arguments, BcdeditFinishMs, BcdeditStartMs);
    if (!r.started) {
        output = QStringLiteral("Failed to start bcdedit process");
        log.error(output);
        return false;
    }
    if (!r.finished) {
        output = QStringLiteral("bcdedit process timeout");
        log.error(output);
        return false;
    }
    output = combinedOutput(r);
    log.info(QStringLiteral("bcdedit exit code: %1, output: %2").arg(r.exitCode).arg(output.left(200)));
    return r.exitCode == 0;
}

bool ToolRunner::runBcdeditStore(const QString& storePath, const QStringList& arguments, QString& output)
{
    QStringList all{QStringLiteral("/store"), storePath};
    all += arguments;
    return runBcdedit(all, output);
}

bool ToolRunner::runBcdboot(const QStringList& arguments, QString& output)
{
    Logger& log = Logger::instance();
    log.info(QStringLiteral("Executing: %1").arg(QStringLiteral("bcdboot ") + arguments.join(QLatin1Char(' '))));
    const CommandResult r = run(QStringLiteral("bcdboot"), arguments, BcdbootFinishMs);
    // A tool that never started is judged like one that timed out.
    const bool timedOut = !r.finished;
    output = combinedOutput(r);
    log.info(QStringLiteral("bcdboot exit=%1, output=%2").arg(timedOut ? -1 : r.exitCode).arg(output));
    if (timedOut) {
        output += QStringLiteral("\nbcdboot process timeout");
        log.error(QStringLiteral("bcdboot process timeout"));
        return false;
    }
    return r.exitCode == 0;
}

bool ToolRunner::runJudgedScript(const QString& script, QString& output, int finishMs, const QString& logFormat,
                                 const QStringList& failureWords)
{
    const ScriptRun run = runNamedScript(JudgedScriptName, script, finishMs);
    if (!run.created) {
        output = script.isEmpty() ? QStringLiteral("Refusing to run an empty diskpart script")
                                  : QStringLiteral("Failed to create temporary script file");
        return false;
    }
    output = combinedOutput(run.result);
    Logger::instance().info(logFormat.arg(output));
    // A run that never started or never ended has no trustworthy exit code.
    if (!run.succeeded())
        return false;
    for (const QString& word : failureWords) {
        if (output.contains(word, Qt::CaseInsensitive))
            return false;
    }
    return true;
}

bool ToolRunner::runDiskpartScript(const QString& script, QString& output)
{
    return runJudgedScript(script, output, DiskpartFinishMs, QStringLiteral("diskpart output: %1"),
                           {QStringLiteral("error")});
}

bool ToolRunner::runReg(const QStringList& arguments, int timeoutMs)
{
    const CommandResult r = run(QStringLiteral("reg"), arguments, timeoutMs);
    return r.finished && r.exitCode == 0;
}

bool ToolRunner::unloadOfflineHive(const QString& hiveKey)
{
    CommandRunner& runner = CommandRunner::current();
    const QStringList args{QStringLiteral("unload"), hiveKey};
    runner.sleepMs(UnloadFirstPauseMs);
    if (runReg(args, UnloadAttemptMs))
        return true;
    Logger::instance().warning(QStringLiteral("First offline registry unload attempt failed, retrying..."));
    runner.sleepMs(UnloadRetryPauseMs);
    return runReg(args, UnloadAttemptMs);
}

ToolRunner::ScriptRun ToolRunner::runNamedScript(const QString& fileName, const QString& script, int timeoutMs)
{
    ScriptRun run;
    if (script.isEmpty()) {
        Logger::instance().error(QStringLiteral("Refusing to run an empty diskpart script (%1)").arg(fileName));
        return run;
    }
    // Disk numbers move when disks come and go: a script runs only on the disks the clone chose.
    const QList<int> disks = selectedDisks(script);
    for (int disk : disks) {
        QString why;
        if (!DiskIdentity::verifyExpected(disk, why)) {
            Logger::instance().error(QStringLiteral("Refusing to run %1: %2").arg(fileName, why));
            return run;
        }
    }
    ScriptFile file;
    const bool written = file.write(fileName, script);
    run.path = file.path();
    if (!written) {
        Logger::instance().error(QStringLiteral("Failed to write script file %1: %2").arg(fileName, file.lastError()));
        return run;
    }
    run.created = true;
    run.result = ToolRunner::run(QStringLiteral("diskpart"), {QStringLiteral("/s"), run.path}, timeoutMs);
    run.standardOutput = decode(run.result.standardOutput);
    run.standardError = decode(run.result.standardError);
    for (int disk : disks)
        DiskIdentity::takeNewTable(disk);
    return run;
}

void ToolRunner::removePartitionLetter(int disk, int partition, const QString& letter)
{
    if (letter.isEmpty())
        return;
    Logger& log = Logger::instance();
    log.info(QStringLiteral("Unmounting partition: disk %1, partition %2, letter %3").arg(disk).arg(partition).arg(letter));
    const QString script = DiskpartScript::unmount(disk, partition, letter);
    if (script.isEmpty()) {
        log.warning(QStringLiteral("Refusing to unmount invalid drive letter: %1").arg(letter));
        return;
    }
    const ScriptRun run = runNamedScript(QStringLiteral("/tessarin_unmount.txt"), script, UnmountScriptMs);
    if (!run.created)
        return;
    log.info(QStringLiteral("Unmount output: %1").arg(run.standardOutput));
}
