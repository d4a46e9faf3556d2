#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// One child process to run synchronously.
struct CommandRequest {
    QString program;             // a platform tool's name ("diskpart", "reg", ...), started from the system folder
    QStringList arguments;
    int startTimeoutMs = -1;     // -1: no separate wait for the start
    int finishTimeoutMs = 30000; // a child still running then is killed
    int killWaitMs = 5000;       // after the kill, how long to wait for the child to go
    // Bytes of standard output (and, apart, of standard error) a child may write; one that writes
    // more is killed. The output is read as it comes, so no more than this is ever held.
    qint64 outputLimit = DefaultOutputLimit;
    // When set, standard output goes into this file (replaced) instead of memory, under the same limit.
    QString standardOutputFile;

    static constexpr qint64 DefaultOutputLimit = 16 << 20;
};

struct CommandResult {
    bool started = false;   // false: the program could not be started
    bool finished = false;  // ended within finishTimeoutMs
    bool timedOut = false;  // killed at finishTimeoutMs; never a success
    bool outputCut = false; // killed for writing more than outputLimit; never a success
    int exitCode = -1;
    QByteArray standardOutput;  // raw bytes; callers decode with the local 8-bit code page
    QByteArray standardError;
};

// Every child process goes through this seam; tests install a scripted runner.
class CommandRunner {
public:
    virtual ~CommandRunner() = default;
    virtual CommandResult run(const CommandRequest& request) = 0;
    // Pauses the calling thread; the scripted runner only records pauses so tests stay fast.
    virtual void sleepMs(int milliseconds);

    static CommandRunner& current();
    static void setCurrent(CommandRunner* runner);  // nullptr restores the QProcess runner

    // The one way a child is started: an argument that breaks ToolArgumentRules is refused
    // (logged, answered "not started"), anything else runs on the current runner.
    static CommandResult execute(const CommandRequest& request);
};

// Installs a runner for one scope and restores the previous one.
class ScopedCommandRunner {
public:
    explicit ScopedCommandRunner(CommandRunner* runner);
    ~ScopedCommandRunner();
    ScopedCommandRunner(const ScopedCommandRunner&) = delete;
    ScopedCommandRunner& operator=(const ScopedCommandRunner&) = delete;
private:
    CommandRunner* m_previous;
};
