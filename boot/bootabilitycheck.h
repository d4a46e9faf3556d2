#pragma once
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class Fat32Directory;

// Whether a disk can start, judged offline from its bytes alone: the partition table, the boot
// code and active flag of an MBR disk, each volume's boot sector against its table entry, and the
// EFI system partition's loader. Reads through a function, so it runs on images, devices and
// test bytes alike; never writes.
class BootabilityCheck {
public:
    // Reads `length` bytes at byte `offset` of the disk into `out`.
    using ReadFn = std::function<bool(uint64_t offset, uint64_t length, uint8_t* out)>;

    enum class Severity { Ok, Warning, Error };
    struct Finding {
        Severity severity = Severity::Ok;
        QString text;
    };

    // One partition as the table describes it, for the checks that look inside volumes.
    struct Volume {
        int number = 0;          // 1-based, as the table counts
        uint64_t firstLba = 0;   // in the disk's logical sectors
        uint64_t sectorCount = 0;
        bool efiSystem = false;
        bool active = false;     // MBR
        bool mbr = false;
        std::array<uint8_t, 16> uniqueGuid{};  // GPT
        bool ntfs = false;       // what its boot sector says, after run()
        bool fat = false;
    };
    // Copies a file of a volume the check cannot read itself (a boot store on NTFS) into
    // `localFile`; `path` with "/". False with an empty `error` when there is no such file.
    using FileReader = std::function<bool(const Volume& volume, const QString& path, const QString& localFile, QString& error)>;

    BootabilityCheck(ReadFn read, uint32_t sectorSize, uint64_t totalSectors);

    void setFileReader(FileReader reader) { m_fileReader = std::move(reader); }
    // Narrows the check to the table and the one partition that starts at byte `offset`: for a
    // copy of a single partition, whose disk need not start at all.
    void setOnlyPartitionAt(uint64_t offset) { m_onlyPartitionAt = offset; m_partitionOnly = true; }
    std::vector<Finding> run();
    // Opens disk `diskNumber` for reading only and runs the check on it; a disk that cannot be
    // opened or sized is one error finding.
    static std::vector<Finding> checkDisk(int diskNumber);
    // As checkDisk, narrowed to the partition that starts at byte `offset`.
    static std::vector<Finding> checkPartition(int diskNumber, uint64_t offset);
    // The volumes the table named, after run().
    const std::vector<Volume>& volumes() const { return m_volumes; }

    // Nothing is an error.
    static bool passed(const std::vector<Finding>& findings);
    static QString severityName(Severity severity);  // "ok", "warning", "error"

    // The files a UEFI boot starts from, first the fallback loader.
    static const std::vector<QString>& efiLoaders();

private:
    static std::vector<Finding> checkOpened(int diskNumber, const uint64_t* onlyPartitionAt);
    void checkGpt();
    void checkMbr(const std::vector<uint8_t>& sector0);
    void checkVolume(Volume& volume);
    void checkEfiSystemPartition(const Volume& volume);
    // The FAT32 volume of `volume`, read through the disk; false when it holds none.
    bool openFat(const Volume& volume, Fat32Directory& fat);
    void checkStores();
    bool readFatFile(const Volume& volume, const QString& path, const QString& localFile, QString& error);
    void checkStore(const QString& localFile, const QString& where);
    void add(Severity severity, const QString& text);
    bool readAt(uint64_t offset, uint64_t length, std::vector<uint8_t>& out);

    ReadFn m_read;
    uint32_t m_sectorSize;
    uint64_t m_totalSectors;
    std::vector<Volume> m_volumes;
    FileReader m_fileReader;
    bool m_partitionOnly = false;
    uint64_t m_onlyPartitionAt = 0;
    bool m_gpt = false;
    std::array<uint8_t, 16> m_diskGuid{};
    uint32_t m_signature = 0;
    std::vector<Finding> m_findings;
};
