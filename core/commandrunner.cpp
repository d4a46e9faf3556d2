#include "core/commandrunner.h"
#include "core/qprocesscommandrunner.h"

#include <QThread>
#include <atomic>

namespace {
std::atomic<CommandRunner*> g_runner{nullptr};
}

void CommandRunner::sleepMs(int milliseconds)
{
    if (milliseconds > 0)
        QThread::msleep(static_cast<unsigned long>(milliseconds));
}

CommandRunner& CommandRunner::current()
{
    static QProcessCommandRunner processRunner;
    CommandRunner* r = g_runner.load();
    return r ? *r : processRunner;
}

void CommandRunner::setCurrent(CommandRunner* runner) { g_runner.store(runner); }

ScopedCommandRunner::ScopedCommandRunner(CommandRunner* runner) : m_previous(g_runner.load())
{
    CommandRunner::setCurrent(runner);
}

ScopedCommandRunner::~ScopedCommandRunner() { CommandRunner::setCurrent(m_previous); }
