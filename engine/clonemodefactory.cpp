#include "engine/clonemodefactory.h"
#include "modes/clonemode.h"
#include "modes/diskclonemode.h"
#include "modes/partitionclonemode.h"
#include "modes/systemclonemode.h"

#include <QMutex>

namespace {
QMutex g_mutex;
CloneModeFactory::Function g_function;
}

CloneMode* CloneModeFactory::create(Tessarin::CloneModeType mode, QObject* parent, QString& error)
{
    Function function;
    {
        QMutexLocker lock(&g_mutex);
        function = g_function;
    }
    error.clear();
    if (function)
        return function(mode, parent, error);
    return createDefault(mode, parent, error);
}

void CloneModeFactory::setFunction(Function function)
{
    QMutexLocker lock(&g_mutex);
    g_function = std::move(function);
}

CloneMode* CloneModeFactory::createDefault(Tessarin::CloneModeType mode, QObject* parent, QString& error)
{
    error.clear();
    switch (mode) {
    case Tessarin::CloneModeType::DiskClone:
        return new DiskCloneMode(parent);
    case Tessarin::CloneModeType::SystemClone:
        return new SystemCloneMode(parent);
    case Tessarin::CloneModeType::PartitionClone:
        return new PartitionCloneMode(parent);
    }
    return nullptr;
}
