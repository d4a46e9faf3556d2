#include "core/diskidentity.h"

#include "core/diskinfo.h"
#include "core/rawdisk.h"
#include "core/readonlydisk.h"
#include "ondisk/byteorder.h"
#include "ondisk/gptheader.h"
#include "ondisk/guidtext.h"
#include "ondisk/mbrcodec.h"

#include <QMutex>
#include <QMutexLocker>
#include <map>

namespace {
QMutex g_mutex;
std::map<int, DiskIdentity> g_expected;
constexpr uint32_t MinimumAlignment = 4096;
}

DiskIdentity DiskIdentity::of(const DiskInfo& disk)
{
    DiskIdentity id;
    id.serialNumber = disk.serialNumber;
    id.size = disk.size;
    id.mbrSignature = disk.mbrSignature;
    id.gptDiskGuid = disk.gptDiskGuid;
    return id;
}

bool DiskIdentity::read(DeviceHandle* disk, DiskIdentity& out)
{
    out = DiskIdentity();
    PlatformGeometry geometry;
    if (!disk || !disk->geometry(geometry) || geometry.diskSize <= 0)
        return false;
    out.size = uint64_t(geometry.diskSize);
    PlatformDeviceDescriptor descriptor;
    if (disk->deviceDescriptor(descriptor))
        out.serialNumber = QString::fromLatin1(descriptor.serialNumber.c_str()).trimmed();
    PlatformDriveLayout layout;
    if (disk->driveLayout(layout)) {
        out.mbrSignature = layout.style == LayoutStyle::MBR ? layout.mbrSignature : 0;
        out.gptDiskGuid = QString::fromStdString(layout.gptDiskGuid);
    }
    return true;
}

void DiskIdentity::tableIdFromSectors(const std::vector<uint8_t>& lba0, const std::vector<uint8_t>& lba1,
                                      uint32_t& mbrSignature, QString& gptDiskGuid)
{
    mbrSignature = 0;
    gptDiskGuid.clear();
    if (!MbrCodec::hasBootSignature(lba0))
        return;
    MbrCodec::Entry first;
    const bool protective = MbrCodec::entry(lba0, 0, first) && first.type == MbrCodec::ProtectiveType;
    if (!protective) {
        mbrSignature = ByteOrder::get32(lba0.data() + MbrCodec::OffDiskSignature);
        return;
    }
    GptHeader header;
    if (GptHeader::decode(lba1, header))
        gptDiskGuid = QString::fromStdString(GuidText::fromGptBytes(header.diskGuid.data()));
}

bool DiskIdentity::readTableId(DeviceHandle* disk, uint32_t sectorSize, uint32_t& mbrSignature, QString& gptDiskGuid)
{
    const uint32_t bytes = std::max<uint32_t>(sectorSize, MbrCodec::SectorBytes);
    std::vector<uint8_t> two(size_t(bytes) * 2, 0);
    if (!RawDisk::readRange(disk, 0, two.size(), two.data(), std::max(bytes, MinimumAlignment)))
        return false;
    tableIdFromSectors({two.begin(), two.begin() + bytes}, {two.begin() + bytes, two.end()}, mbrSignature,
                       gptDiskGuid);
    return true;
}

QString DiskIdentity::mismatch(const DiskIdentity& actual) const
{
    if (!isKnown())
        return {};
    if (actual.size != size)
        return QStringLiteral("its size is %1 bytes, the chosen disk had %2").arg(actual.size).arg(size);
    if (!serialNumber.isEmpty() && actual.serialNumber != serialNumber)
        return QStringLiteral("its serial number is \"%1\", the chosen disk had \"%2\"").arg(actual.serialNumber, serialNumber);
    if (!gptDiskGuid.isEmpty() && actual.gptDiskGuid.compare(gptDiskGuid, Qt::CaseInsensitive) != 0)
        return QStringLiteral("its GPT disk GUID is %1, the chosen disk had %2")
            .arg(actual.gptDiskGuid.isEmpty() ? QStringLiteral("none") : actual.gptDiskGuid, gptDiskGuid);
    if (gptDiskGuid.isEmpty() && mbrSignature != 0 && actual.mbrSignature != mbrSignature)
        return QStringLiteral("its MBR signature is %1, the chosen disk had %2")
            .arg(actual.mbrSignature, 8, 16, QLatin1Char('0'))
            .arg(mbrSignature, 8, 16, QLatin1Char('0'));
    return {};
}

void DiskIdentity::expect(int diskNumber, const DiskIdentity& identity)
{
    QMutexLocker lock(&g_mutex);
    g_expected[diskNumber] = identity;
}

void DiskIdentity::forgetAll()
{
    QMutexLocker lock(&g_mutex);
    g_expected.clear();
}

bool DiskIdentity::expected(int diskNumber, DiskIdentity& out)
{
    QMutexLocker lock(&g_mutex);
    const auto it = g_expected.find(diskNumber);
    if (it == g_expected.end())
        return false;
    out = it->second;
    return true;
}

namespace {
bool compare(const DiskIdentity& want, const DiskIdentity& actual, int diskNumber, QString& error)
{
    const QString why = want.mismatch(actual);
    if (why.isEmpty())
        return true;
    error = QStringLiteral("Disk %1 is no longer the disk chosen as target (%2); disks were probably added or "
                           "removed. Nothing was written to it.").arg(diskNumber).arg(why);
    return false;
}
} // namespace

bool DiskIdentity::verifyExpected(int diskNumber, QString& error)
{
    DiskIdentity want;
    if (!expected(diskNumber, want) || !want.isKnown())
        return true;
    ReadOnlyDisk disk;
    DiskIdentity actual;
    if (!disk.open(diskNumber) || !read(disk.handle(), actual)) {
        error = QStringLiteral("Disk %1 cannot be identified: %2").arg(diskNumber).arg(RawDisk::lastErrorText());
        return false;
    }
    return compare(want, actual, diskNumber, error);
}

bool DiskIdentity::verifyHandle(DeviceHandle* disk, int diskNumber, QString& error)
{
    DiskIdentity want;
    if (!expected(diskNumber, want) || !want.isKnown())
        return true;
    DiskIdentity actual;
    PlatformGeometry geometry;
    if (!disk || !read(disk, actual) || !disk->geometry(geometry)
        || !readTableId(disk, geometry.bytesPerSector, actual.mbrSignature, actual.gptDiskGuid)) {
        error = QStringLiteral("Disk %1 cannot be identified: %2").arg(diskNumber).arg(RawDisk::lastErrorText());
        return false;
    }
    return compare(want, actual, diskNumber, error);
}

void DiskIdentity::followTable(DeviceHandle* disk, int diskNumber, uint32_t sectorSize)
{
    DiskIdentity want;
    uint32_t signature = 0;
    QString guid;
    if (!expected(diskNumber, want) || !readTableId(disk, sectorSize, signature, guid))
        return;
    want.mbrSignature = signature;
    want.gptDiskGuid = guid;
    expect(diskNumber, want);
}

void DiskIdentity::takeNewTable(int diskNumber)
{
    ReadOnlyDisk disk;
    if (disk.open(diskNumber))
        takeNewTable(disk.handle(), diskNumber);
}

void DiskIdentity::takeNewTable(DeviceHandle* disk, int diskNumber)
{
    DiskIdentity want;
    if (!expected(diskNumber, want) || !want.isKnown())
        return;
    DiskIdentity actual;
    PlatformGeometry geometry;
    if (!disk || !read(disk, actual) || !disk->geometry(geometry)
        || !readTableId(disk, geometry.bytesPerSector, actual.mbrSignature, actual.gptDiskGuid))
        return;
    DiskIdentity tableAside = want;
    tableAside.mbrSignature = 0;
    tableAside.gptDiskGuid.clear();
    if (!tableAside.mismatch(actual).isEmpty())
        return;
    want.mbrSignature = actual.mbrSignature;
    want.gptDiskGuid = actual.gptDiskGuid;
    expect(diskNumber, want);
}
