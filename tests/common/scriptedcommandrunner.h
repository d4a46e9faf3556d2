#pragma once
#include "core/commandrunner.h"

#include <QList>
#include <QMutex>
#include <functional>

// A runner for tests: records every call (with the text of a "/s" script file, read while the
// call runs) and answers from a queue of canned results or a responder function.
class ScriptedCommandRunner : public CommandRunner {
public:
    struct Call {
        CommandRequest request;
        QString scriptText;  // contents of the file after "/s", if any
    };
    using Responder = std::function<CommandResult(const CommandRequest& request, const QString& scriptText)>;

    CommandResult run(const CommandRequest& request) override;
    void sleepMs(int milliseconds) override;

    // Answers are taken in order; when none is queued the responder answers, else a clean exit 0.
    void enqueue(const CommandResult& result);
    void enqueue(int exitCode, const QByteArray& standardOutput = QByteArray(),
                 const QByteArray& standardError = QByteArray());
    void setResponder(Responder responder);

    QList<Call> calls() const;
    QList<int> sleeps() const;
    void clear();

    static CommandResult result(int exitCode, const QByteArray& out = QByteArray(),
                                const QByteArray& err = QByteArray());
    static CommandResult notStarted();
    static CommandResult timedOut();

private:
    mutable QMutex m_mutex;
    QList<CommandResult> m_queue;
    Responder m_responder;
    QList<Call> m_calls;
    QList<int> m_sleeps;
};
