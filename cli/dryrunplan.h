#pragma once
#include "core/cloneconfig.h"

#include <QJsonObject>
#include <QString>
#include <cstdint>

class ClonePlan;

// The plan of a clone as the dry run prints it: the plan the run itself would carry out, made by
// the strategy without writing anything (the source is read, the target is not opened).
class DryRunPlan {
public:
    DryRunPlan(const ClonePlan& plan, const CloneConfig& config) : m_plan(plan), m_config(config) {}

    QJsonObject json() const;
    QString text() const;

private:
    // What the run discards after the copy: 0 when turned off.
    uint64_t discardBytes() const;

    const ClonePlan& m_plan;
    const CloneConfig& m_config;
};
