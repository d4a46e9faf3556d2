#include "core/commandrunner.h"
#include "core/logger.h"
#include "core/qprocesscommandrunner.h"
#include "core/toolargumentrules.h"

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

CommandResult CommandRunner::execute(const CommandRequest& request)
{
    for (const QString& a : request.arguments) {
        if (!ToolArgumentRules::isSafe(a)) {
            Logger::instance().error(QStringLiteral("Refusing to run %1: an argument contains a quote or control character")
                                         .arg(request.program));
            return CommandResult{};
        }
    }
    return current().run(request);
}

ScopedCommandRunner::ScopedCommandRunner(CommandRunner* runner) : m_previous(g_runner.load())
{
    CommandRunner::setCurrent(runner);
}

ScopedCommandRunner::~ScopedCommandRunner() { CommandRunner::setCurrent(m_previous); }
