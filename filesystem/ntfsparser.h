#pragma once
#include "filesystem/filesystembase.h"
#include "ondisk/ntfsmftrecord.h"
#include "ondisk/ntfsrunlist.h"

#include <QByteArray>
#include <vector>

// Used clusters of an NTFS volume from its $Bitmap (raw disk) or from the platform's volume bitmap query.
class NTFSParser : public FileSystemBase {
    Q_OBJECT
public:
    explicit NTFSParser(QObject* parent = nullptr);
    ~NTFSParser() override;

    // Loads the volume at `startSector` (512-byte units) of the open `disk`, builds the sector map.
    // `sectorCount` (512-byte units) bounds the volume when known.
    bool parse(DeviceHandle* disk, uint64_t startSector, uint64_t sectorCount = 0);
    bool load(DeviceHandle* handle, uint64_t partitionOffset, uint64_t partitionSize) override;

    bool readBootSector();
    bool readMftRecord(uint64_t recordNumber, QByteArray& record);
    bool findBitmapDataRuns(std::vector<NtfsRun>& runs);
    bool readBitmap();

    int fileSystemType() const override { return 1; }
    QString fileSystemName() const override { return QStringLiteral("NTFS"); }

    uint64_t mftCluster() const { return m_mftCluster; }
    uint64_t mftMirrorCluster() const { return m_mftMirrorCluster; }
    uint64_t volumeSerialNumber() const { return m_volumeSerialNumber; }
    uint32_t mftRecordSize() const { return m_mftRecordSize; }
    uint64_t startSector() const { return m_startSector; }

    // The 8-byte OEM field as a log can show it: "blank" when all zero, other bytes outside
    // printable ASCII as \xNN.
    static QString printableOemId(const char* oem, size_t size);

protected:
    UsageLayout usageLayout() const override;

private:
    bool fail(const QString& message);
    // Fails with `reason` as the map's fault: the volume is NTFS, but its $Bitmap cannot be trusted.
    bool damaged(const QString& reason);
    // The runs of the unnamed $DATA attribute of system file `file`'s record.
    bool decodeDataRuns(const QByteArray& record, const QString& file, std::vector<NtfsRun>& runs,
                        NtfsMftRecord::NonResident& header);
    // $Bitmap against the volume: its size, the system files' clusters, then every record in use.
    bool verifyBitmap(const QByteArray& bitmap, uint64_t validLength, const std::vector<NtfsRun>& bitmapRuns);
    bool verifyRecords(const QByteArray& bitmap, const std::vector<NtfsRun>& mftRuns, uint64_t mftBytes);
    // The runs of every non-resident attribute of a prepared record.
    std::vector<NtfsRun> allocatedRuns(const uint8_t* record, uint32_t size) const;
    // A record's file for a message: a system file's name, else the record number and the file's path.
    QString recordName(uint64_t number, const std::vector<NtfsRun>& runs);
    static QString systemFileName(uint64_t number);

    uint64_t m_mftCluster = 0;
    uint64_t m_mftMirrorCluster = 0;
    uint64_t m_volumeSerialNumber = 0;
    uint32_t m_mftRecordSize = 0;
    uint64_t m_totalSectors = 0;  // volume sectors; the backup boot sector sits right behind them
    uint32_t m_sectorsPerCluster = 0;
    bool m_backupBootInside = false;
    bool m_notNtfs = false;  // the boot sector names no NTFS: another or no file system, not damage
    uint64_t m_startSector = 0;
};
