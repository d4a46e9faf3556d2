#pragma once
#include "core/commandrunner.h"

#include <QString>
#include <QStringList>

// Runs the platform tools (diskpart, bcdedit, bcdboot, reg, cmd) through CommandRunner with
// the time-outs, output decoding and success rules every boot-repair caller shares.
class ToolRunner {
public:
    // Time-outs in milliseconds.
    static constexpr int BcdeditStartMs = 5000;
    static constexpr int BcdeditFinishMs = 30000;
    static constexpr int BcdbootFinishMs = 60000;
    static constexpr int DiskpartFinishMs = 60000;
    static constexpr int KillWaitMs = 5000;
    static constexpr int UnmountScriptMs = 30000;
    static constexpr int UnloadAttemptMs = 30000;
    static constexpr int UnloadFirstPauseMs = 500;
    static constexpr int UnloadRetryPauseMs = 1000;

    // One run of a script file.
    struct ScriptRun {
        bool created = false;  // the file could be written (nothing was started otherwise)
        QString path;          // gone again when the run returns
        CommandResult result;
        QString standardOutput;
        QString standardError;
        bool succeeded() const { return result.finished && result.exitCode == 0; }
    };

    // A tool's output in the console code page the tools write in.
    static QString decode(const QByteArray& bytes);
    // Disks a diskpart script selects by number ("select disk N", in diskpart's short forms too).
    static QList<int> selectedDisks(const QString& script);
    // Standard output, then "\n" and standard error only when the latter is not empty.
    static QString combinedOutput(const CommandResult& result);
    static QString extractGuid(const QString& output);

    static bool isSafeArgument(const QString& argument);
    // A bcdedit command line that starts with "/store PATH" or "/createstore PATH"; bcdedit is run
    // with no other.
    static bool namesBcdStore(const QStringList& arguments);

    // Starts `program` unless an argument is unsafe (then logs and answers "not started"). A child
    // still running when `finishMs` ends is killed; such a run is never a success.
    static CommandResult run(const QString& program, const QStringList& arguments, int finishMs,
                             int startMs = -1);
    // The same with standard output streamed into `outputFile`, killed past `limit` bytes.
    static CommandResult runToFile(const QString& program, const QStringList& arguments, int finishMs,
                                   const QString& outputFile, qint64 limit);

    static bool runBcdedit(const QStringList& arguments, QString& output);
    static bool runBcdeditStore(const QString& storePath, const QStringList& arguments, QString& output);
    static bool runBcdboot(const QStringList& arguments, QString& output);
    static bool runDiskpartScript(const QString& script, QString& output);
    static bool runReg(const QStringList& arguments, int timeoutMs);
    static bool unloadOfflineHive(const QString& hiveKey);

    // Writes `script` to a ScriptFile named `fileName`, runs "diskpart /s" on it with `timeoutMs`
    // and removes it again. An empty script (what a builder answers when it refuses) runs nothing,
    // and neither does one selecting a disk that is no longer the one the clone chose
    // (DiskIdentity::verifyExpected); `created` stays false then.
    static ScriptRun runNamedScript(const QString& fileName, const QString& script, int timeoutMs);

    // Removes a letter assigned for boot repair ("/tessarin_unmount.txt"); nothing for an empty letter.
    static void removePartitionLetter(int disk, int partition, const QString& letter);

private:
    static CommandResult run(const QString& program, const QStringList& arguments, CommandRequest request);
    static bool runJudgedScript(const QString& script, QString& output, int finishMs, const QString& logFormat,
                                const QStringList& failureWords);
};
