#include "core/sourcereading.h"

#include "core/clonepreflight.h"
#include "core/logger.h"
#include "core/rawdisk.h"
#include "platform/platform.h"

#include <algorithm>

namespace {
std::vector<PlatformDevices::WritableMount> mountsOf(const CloneConfig& config)
{
    const int disk = SourceReading::sourceDisk(config);
    if (disk < 0)
        return {};
    return Platform::devices().writableMounts(RawDisk::physicalDrivePath(disk).toStdString(),
                                              SourceReading::readRange(config));
}

QStringList mountPoints(const std::vector<PlatformDevices::WritableMount>& mounts)
{
    QStringList out;
    for (const PlatformDevices::WritableMount& m : mounts)
        out << QString::fromStdString(m.mountPoint);
    return out;
}

// Only volumes the platform can name can go into a set.
std::vector<std::string> volumeNames(const std::vector<PlatformDevices::WritableMount>& mounts)
{
    std::vector<std::string> names;
    for (const PlatformDevices::WritableMount& m : mounts) {
        if (m.volumeName.empty())
            return {};
        names.push_back(m.volumeName);
    }
    return names;
}
}

SourceReading::~SourceReading() = default;

int SourceReading::sourceDisk(const CloneConfig& config)
{
    return config.mode == Tessarin::CloneModeType::PartitionClone ? config.sourcePartition.diskNumber
                                                                   : config.sourceDisk.diskNumber;
}

ByteRange SourceReading::readRange(const CloneConfig& config)
{
    if (config.mode != Tessarin::CloneModeType::PartitionClone)
        return {};
    return {config.sourcePartition.startByte(), config.sourcePartition.size};
}

QStringList SourceReading::liveVolumes(const CloneConfig& config)
{
    const std::vector<PlatformDevices::WritableMount> mounts = mountsOf(config);
    if (mounts.empty())
        return {};
    const std::vector<std::string> names = volumeNames(mounts);
    if (!names.empty() && Platform::snapshots().available())
        return {};
    return mountPoints(mounts);
}

bool SourceReading::begin(const CloneConfig& config, QString& error)
{
    Logger& log = Logger::instance();
    m_snapshot.reset();
    m_disk = sourceDisk(config);
    m_mounts = mountsOf(config);
    m_volumes = mountPoints(m_mounts);
    m_kind = Kind::Quiet;
    if (m_mounts.empty())
        return true;
    const std::vector<std::string> names = volumeNames(m_mounts);
    QString why = tr("this system takes no snapshots of them");
    if (!names.empty()) {
        m_snapshot = Platform::snapshots().createSnapshot(names);
        if (m_snapshot) {
            m_kind = Kind::Snapshot;
            log.info(QStringLiteral("Source volumes %1 are read through a snapshot").arg(m_volumes.join(QStringLiteral(", "))));
            return true;
        }
        why = QString::fromStdString(Platform::lastErrorText());
        log.warning(QStringLiteral("No snapshot of the source volumes %1: %2").arg(m_volumes.join(QStringLiteral(", ")), why));
    }
    if (config.allowLiveSource) {
        m_kind = Kind::Live;
        log.warning(QStringLiteral("Source volumes %1 are read live, as the user accepted; the copy may be torn")
                        .arg(m_volumes.join(QStringLiteral(", "))));
        return true;
    }
    const QString reason = tr("The source's volumes %1 are mounted read-write and cannot be read through a snapshot "
                              "(%2); a copy read while they change may be torn. Unmount them or mount them "
                              "read-only, or accept reading them live (--live-source)")
                               .arg(m_volumes.join(QStringLiteral(", ")), why);
    log.error(QStringLiteral("Refused before writing: %1").arg(reason));
    error = ClonePreflight::refusedText(reason);
    return false;
}

QString SourceReading::planLine() const
{
    const QString volumes = m_volumes.join(QStringLiteral(", "));
    switch (m_kind) {
    case Kind::Snapshot:
        return QStringLiteral("read the mounted volumes %1 through one snapshot taken for all of them").arg(volumes);
    case Kind::Live:
        return QStringLiteral("read the volumes %1 live while they are mounted read-write (accepted): the copy may be torn")
            .arg(volumes);
    case Kind::Quiet:
        break;
    }
    return QStringLiteral("read the source as it is: none of its volumes is mounted for writing");
}

std::vector<RoutedDevice::Route> SourceReading::routesOf(const std::vector<PlatformExtent>& extents, int diskNumber,
                                                         const std::shared_ptr<DeviceHandle>& shadow,
                                                         uint64_t shadowBytes)
{
    std::vector<RoutedDevice::Route> out;
    uint64_t inVolume = 0;
    for (const PlatformExtent& e : extents) {
        if (e.startingOffset < 0 || e.extentLength <= 0)
            continue;
        uint64_t length = uint64_t(e.extentLength);
        if (shadowBytes)
            length = inVolume >= shadowBytes ? 0 : std::min(length, shadowBytes - inVolume);
        if (int(e.diskNumber) == diskNumber && length)
            out.push_back({uint64_t(e.startingOffset), length, inVolume, shadow});
        inVolume += uint64_t(e.extentLength);
    }
    return out;
}

bool SourceReading::openRoutes(std::vector<RoutedDevice::Route>& out, QString& error) const
{
    out.clear();
    if (m_kind != Kind::Snapshot || !m_snapshot)
        return true;
    for (const PlatformDevices::WritableMount& m : m_mounts) {
        const std::string device = m_snapshot->shadowDevice(m.volumeName);
        VolumeHandlePtr h = device.empty() ? nullptr
                                           : Platform::devices().openVolume(device, DeviceAccess::Read, DeviceFlags::None);
        if (!h) {
            error = ClonePreflight::refusedText(tr("The snapshot of the source volume %1 cannot be read: %2")
                                                    .arg(QString::fromStdString(m.mountPoint), RawDisk::lastErrorText()));
            Logger::instance().error(error);
            return false;
        }
        // The last sectors of a volume (NTFS keeps its backup boot sector there) need it.
        h->allowExtendedAccess();
        PlatformGeometry size;
        const uint64_t shadowBytes = h->geometry(size) && size.diskSize > 0 ? uint64_t(size.diskSize) : 0;
        const std::shared_ptr<DeviceHandle> shadow(std::move(h));
        for (const RoutedDevice::Route& r : routesOf(m.extents, m_disk, shadow, shadowBytes))
            out.push_back(r);
    }
    return true;
}
