#pragma once
// Shared set-up of the boot tests: a scripted runner and platform installed for one test,
// and the warnings and errors logged meanwhile.
#include "core/logger.h"
#include "core/scriptedcommandrunner.h"
#include "scriptedplatform.h"

#include <QStringList>
#include <memory>

struct BootFixture {
    ScriptedCommandRunner runner;
    ScriptedPlatform platform;
    ScopedCommandRunner scopedRunner{&runner};
    ScopedPlatform scopedPlatform{&platform};
    std::shared_ptr<QStringList> problems = std::make_shared<QStringList>();

    BootFixture()
    {
        auto sink = problems;
        Logger::instance().setCallback([sink](const QString& m, Logger::Level) { sink->append(m); });
    }
    ~BootFixture() { Logger::instance().setCallback(nullptr); }

    bool logged(const QString& text) const
    {
        for (const QString& m : *problems)
            if (m.contains(text))
                return true;
        return false;
    }
    // Calls of one program, in order.
    QList<ScriptedCommandRunner::Call> callsOf(const QString& program) const
    {
        QList<ScriptedCommandRunner::Call> out;
        for (const auto& c : runner.calls())
            if (c.request.program == program)
                out.append(c);
        return out;
    }
    QStringList programs() const
    {
        QStringList out;
        for (const auto& c : runner.calls())
            out.append(c.request.program);
        return out;
    }
};
