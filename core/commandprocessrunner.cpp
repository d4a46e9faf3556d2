#include "core/commandprocessrunner.h"

#include "core/commandrunner.h"

ProcessRunner::Result CommandProcessRunner::run(const std::vector<std::string>& argv, int timeoutMs, size_t outputLimit)
{
    Result result;
    if (argv.empty())
        return result;
    CommandRequest request;
    request.program = QString::fromStdString(argv.front());
    for (size_t i = 1; i < argv.size(); ++i)
        request.arguments << QString::fromStdString(argv[i]);
    request.finishTimeoutMs = timeoutMs;
    request.outputLimit = qint64(outputLimit);
    const CommandResult r = CommandRunner::execute(request);
    result.started = r.started;
    result.timedOut = r.timedOut || (r.started && !r.finished && !r.outputCut);
    result.outputCut = r.outputCut;
    result.exitCode = r.finished ? r.exitCode : -1;
    result.out = r.standardOutput.toStdString();
    result.err = r.standardError.toStdString();
    return result;
}

void CommandProcessRunner::sleepMs(int milliseconds) { CommandRunner::current().sleepMs(milliseconds); }

CommandProcessRunner& CommandProcessRunner::instance()
{
    static CommandProcessRunner runner;
    return runner;
}
