#include "common/scriptedcommandrunner.h"

#include <QFile>

CommandResult ScriptedCommandRunner::run(const CommandRequest& request)
{
    Call call{request, QString()};
    const int s = request.arguments.indexOf(QStringLiteral("/s"));
    if (s >= 0 && s + 1 < request.arguments.size()) {
        QFile f(request.arguments.at(s + 1));
        if (f.open(QIODevice::ReadOnly))
            call.scriptText = QString::fromLocal8Bit(f.readAll());
    }
    Responder responder;
    CommandResult answer;
    bool queued = false;
    {
        QMutexLocker lock(&m_mutex);
        m_calls.append(call);
        if (!m_queue.isEmpty()) {
            answer = m_queue.takeFirst();
            queued = true;
        } else {
            responder = m_responder;
        }
    }
    if (!queued)
        answer = responder ? responder(request, call.scriptText) : result(0);
    // Canned output meant for a file goes there, as a real child's would.
    if (!request.standardOutputFile.isEmpty()) {
        QFile f(request.standardOutputFile);
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(answer.standardOutput.left(request.outputLimit));
        answer.standardOutput.clear();
    }
    return answer;
}

void ScriptedCommandRunner::sleepMs(int milliseconds)
{
    QMutexLocker lock(&m_mutex);
    m_sleeps.append(milliseconds);
}

void ScriptedCommandRunner::enqueue(const CommandResult& r)
{
    QMutexLocker lock(&m_mutex);
    m_queue.append(r);
}

void ScriptedCommandRunner::enqueue(int exitCode, const QByteArray& out, const QByteArray& err)
{
    enqueue(result(exitCode, out, err));
}

void ScriptedCommandRunner::setResponder(Responder responder)
{
    QMutexLocker lock(&m_mutex);
    m_responder = std::move(responder);
}

QList<ScriptedCommandRunner::Call> ScriptedCommandRunner::calls() const
{
    QMutexLocker lock(&m_mutex);
    return m_calls;
}

QList<int> ScriptedCommandRunner::sleeps() const
{
    QMutexLocker lock(&m_mutex);
    return m_sleeps;
}

void ScriptedCommandRunner::clear()
{
    QMutexLocker lock(&m_mutex);
    m_calls.clear();
    m_sleeps.clear();
    m_queue.clear();
}

CommandResult ScriptedCommandRunner::result(int exitCode, const QByteArray& out, const QByteArray& err)
{
    CommandResult r;
    r.started = true;
    r.finished = true;
    r.exitCode = exitCode;
    r.standardOutput = out;
    r.standardError = err;
    return r;
}

CommandResult ScriptedCommandRunner::notStarted()
{
    return CommandResult{};
}

CommandResult ScriptedCommandRunner::timedOut()
{
    CommandResult r;
    r.started = true;
    r.timedOut = true;
    return r;
}
