#pragma once
#include "core/cloneconfig.h"
#include "platform/platformdevices.h"
#include "platform/routeddevice.h"
#include "platform/sourcesnapshot.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// How a run reads a source whose volumes are mounted for writing, decided once before the first
// write: every such volume through one snapshot set taken for all of them, else live when the user
// accepted that, else not at all. A copy read live from a volume that changes meanwhile is torn,
// and its verification passes anyway, since it compares with what was read.
class SourceReading {
    Q_DECLARE_TR_FUNCTIONS(SourceReading)
public:
    enum class Kind {
        Quiet,     // nothing over the source is mounted for writing: read as it is
        Snapshot,  // the mounted volumes are read from their shadow copies
        Live,      // read as they change: the user accepted it
    };

    SourceReading() = default;
    ~SourceReading();
    SourceReading(const SourceReading&) = delete;
    SourceReading& operator=(const SourceReading&) = delete;

    // The disk the request reads and the bytes of it that count: its source partition in a
    // partition clone, the whole disk otherwise.
    static int sourceDisk(const CloneConfig& config);
    static ByteRange readRange(const CloneConfig& config);
    // Where the source's volumes that would be read live are mounted: mounted for writing, and no
    // snapshot can be taken of them. Empty when there is nothing for the user to accept.
    static QStringList liveVolumes(const CloneConfig& config);

    // The rule; a snapshot it needs is taken here. False with the refusal in `error`.
    bool begin(const CloneConfig& config, QString& error);
    Kind kind() const { return m_kind; }
    // Where the volumes mounted for writing are mounted.
    QStringList volumes() const { return m_volumes; }
    // For the plan: how the source is read.
    QString planLine() const;
    // The disk's bytes of each snapshotted volume with its shadow device opened for reading; false
    // with `error` when one cannot be opened.
    bool openRoutes(std::vector<RoutedDevice::Route>& out, QString& error) const;
    // The set, for whoever reads through it to the end; it is deleted with its new owner.
    std::unique_ptr<SourceSnapshot> takeSnapshot() { return std::move(m_snapshot); }

    // Pure: the routes of one volume's extents on `diskNumber` into its shadow device. Bytes past
    // the shadow's end (`shadowBytes`, 0 when unknown) stay the disk's: a shadow copy may end where
    // the file system does, before the partition's last sector.
    static std::vector<RoutedDevice::Route> routesOf(const std::vector<PlatformExtent>& extents, int diskNumber,
                                                     const std::shared_ptr<DeviceHandle>& shadow,
                                                     uint64_t shadowBytes = 0);

private:
    Kind m_kind = Kind::Quiet;
    int m_disk = -1;
    QStringList m_volumes;
    std::vector<PlatformDevices::WritableMount> m_mounts;
    std::unique_ptr<SourceSnapshot> m_snapshot;
};
