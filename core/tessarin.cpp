#include "core/tessarin.h"
#include "core/cloneconfig.h"
#include "core/cloneprogress.h"
#include "core/diskinfo.h"

#include <QCoreApplication>
#include <QMetaType>

namespace Tessarin {

bool isPartitionType(const QString& typeGuid, const char* typeText)
{
    return typeGuid.contains(QLatin1String(typeText), Qt::CaseInsensitive);
}

QString formatSize(uint64_t bytes, int decimals)
{
    constexpr uint64_t KiB = 1024ull;
    constexpr uint64_t MiB = KiB * 1024;
    constexpr uint64_t GiB = MiB * 1024;
    constexpr uint64_t TiB = GiB * 1024;
    const auto scaled = [&](uint64_t unit, const char* suffix) {
        return QStringLiteral("%1 %2")
            .arg(static_cast<double>(bytes) / static_cast<double>(unit), 0, 'f', decimals)
            .arg(QLatin1String(suffix));
    };
    if (bytes >= TiB)
        return scaled(TiB, "TB");
    if (bytes >= GiB)
        return scaled(GiB, "GB");
    if (bytes >= MiB)
        return scaled(MiB, "MB");
    if (bytes < KiB)
        return QStringLiteral("%1 B").arg(bytes);
    return scaled(KiB, "KB");
}

QString statusText(int status)
{
    switch (status) {
    case Idle: return QCoreApplication::translate("Tessarin", "Idle");
    case Preparing: return QCoreApplication::translate("Tessarin", "Preparing");
    case CloningData: return QCoreApplication::translate("Tessarin", "Cloning data");
    case RepairingBoot: return QCoreApplication::translate("Tessarin", "Repairing boot configuration");
    case Verifying: return QCoreApplication::translate("Tessarin", "Verifying data");
    case Completed: return QCoreApplication::translate("Tessarin", "Completed");
    case Failed: return QCoreApplication::translate("Tessarin", "Failed");
    case Cancelled: return QCoreApplication::translate("Tessarin", "Cancelled");
    default: return QCoreApplication::translate("Tessarin", "Unknown");
    }
}

QString statusText(CloneStatus status) { return statusText(static_cast<int>(status)); }

QString resizeModeEngineText(ResizeMode mode)
{
    switch (static_cast<int>(mode)) {
    case 0: return QCoreApplication::translate("Tessarin", "Expand System Partition");
    case 1: return QCoreApplication::translate("Tessarin", "Keep Original + Create Data Partition");
    case 2: return QCoreApplication::translate("Tessarin", "Keep Original Size");
    default: return QString();
    }
}

QString physicalDrivePath(int diskNumber)
{
    return QStringLiteral("\\\\.\\PhysicalDrive%1").arg(diskNumber);
}

void registerMetaTypes()
{
    static const bool done = [] {
        qRegisterMetaType<PartitionInfo>("PartitionInfo");
        qRegisterMetaType<DiskInfo>("DiskInfo");
        qRegisterMetaType<QList<DiskInfo>>("QList<DiskInfo>");
        qRegisterMetaType<CloneConfig>("CloneConfig");
        qRegisterMetaType<CloneProgress>("CloneProgress");
        qRegisterMetaType<Tessarin::CloneStatus>("Tessarin::CloneStatus");
        qRegisterMetaType<Tessarin::ResizeMode>("SystemCloneMode::ResizeMode");
        qRegisterMetaType<uint64_t>("uint64_t");
        return true;
    }();
    Q_UNUSED(done);
}

} // namespace Tessarin
