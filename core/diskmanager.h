#pragma once
#include "core/diskinfo.h"
#include "platform/devicehandle.h"

#include <QList>
#include <QObject>

template <typename T> class QFutureWatcher;

// Lists the machine's disks with their partitions. The enumeration runs on the global thread
// pool; the result arrives on the owner's thread through diskListChanged().
class DiskManager : public QObject {
    Q_OBJECT
public:
    explicit DiskManager(QObject* parent = nullptr);
    ~DiskManager() override;

    void enumDisksAsync();
    QList<DiskInfo> disks() const { return m_disks; }
    bool isEnumerating() const;

    // How much of a volume is used, read from its file system's usage map: for volumes the machine
    // has not mounted, which it cannot ask. The reader lives in a higher layer, which sets it once.
    using UsageReader = bool (*)(const PartitionInfo& partition, DeviceHandle* disk, uint64_t& usedBytes);
    static void setUsageReader(UsageReader reader);

    // The synchronous enumeration of every drive the platform lists; touches no shared state.
    static QList<DiskInfo> enumerateDisks();
    // The partitions of the open `disk`, with the volumes the machine has on them.
    static QList<PartitionInfo> enumeratePartitions(DeviceHandle* disk, int diskNumber);
    // The first sector of the table area (sector 0, the GPT header and a 16 KiB entry array) that
    // cannot be read, or -1 when all of it reads.
    static int64_t firstUnreadableTableSector(DeviceHandle* disk, uint32_t sectorSize);

signals:
    void diskListChanged();
    void enumStarted();
    void enumFinished();

private slots:
    void onEnumFinished();

private:
    QList<DiskInfo> m_disks;
    QFutureWatcher<QList<DiskInfo>>* m_watcher = nullptr;
};
