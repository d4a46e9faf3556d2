#include "partition/partitioningtool.h"
#include "core/logger.h"

#include <atomic>

namespace {
std::atomic<PartitioningTool*> g_installed{nullptr};
}

PartitioningTool& PartitioningTool::current()
{
    if (PartitioningTool* tool = g_installed.load())
        return *tool;
    static std::unique_ptr<PartitioningTool> platformTool(createPlatformTool());
    return *platformTool;
}

void PartitioningTool::setCurrent(PartitioningTool* tool) { g_installed.store(tool); }

bool PartitioningTool::fail(const QString& message)
{
    m_lastError = message;
    Logger::instance().error(message);
    return false;
}

ScopedPartitioningTool::ScopedPartitioningTool(PartitioningTool* tool) : m_previous(g_installed.load())
{
    PartitioningTool::setCurrent(tool);
}

ScopedPartitioningTool::~ScopedPartitioningTool() { PartitioningTool::setCurrent(m_previous); }
