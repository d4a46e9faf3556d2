#include "boot/offlinebootrepair.h"
#include "core/tessarin.h"

#include "boot/drivefiles.h"
#include "boot/offlineregistry.h"
#include "boot/volumefiles.h"
#include "core/logger.h"
#include "core/rawdisk.h"
#include "core/readonlydisk.h"
#include "ondisk/byteorder.h"
#include "ondisk/guidtext.h"
#include "ondisk/mbrcodec.h"
#include "partition/gptdisk.h"
#include "platform/platform.h"

#include <QTemporaryDir>

const QString OfflineBootRepair::GptStorePath = QStringLiteral("EFI/Microsoft/Boot/BCD");
const QString OfflineBootRepair::MbrStorePath = QStringLiteral("Boot/BCD");
const QString OfflineBootRepair::SystemHivePath = QStringLiteral("Windows/System32/config/SYSTEM");
const QString OfflineBootRepair::BootManagerPath = QStringLiteral("EFI/Microsoft/Boot/bootmgfw.efi");
const QString OfflineBootRepair::FallbackFolder = QStringLiteral("EFI/Boot");
const QString OfflineBootRepair::FallbackLoaderPath = QStringLiteral("EFI/Boot/bootx64.efi");

OfflineBcdStore::IdentityMap OfflineBootRepair::gptMap(const std::array<uint8_t, 16>& sourceDisk,
                                                       const std::vector<GptPartitionEntry>& source,
                                                       const std::array<uint8_t, 16>& targetDisk,
                                                       const std::vector<GptPartitionEntry>& target)
{
    OfflineBcdStore::IdentityMap map;
    for (size_t i = 0; i < source.size() && i < target.size(); ++i) {
        if (!source[i].isUsed() || !target[i].isUsed())
            continue;
        BcdDeviceElement::Identity from, to;
        from.gpt = to.gpt = true;
        from.diskGuid = sourceDisk;
        from.partitionGuid = source[i].uniqueGuid;
        to.diskGuid = targetDisk;
        to.partitionGuid = target[i].uniqueGuid;
        map.emplace_back(from, to);
    }
    return map;
}

OfflineBcdStore::IdentityMap OfflineBootRepair::mbrMap(uint32_t sourceSignature, uint32_t targetSignature,
                                                       const std::vector<std::pair<uint64_t, uint64_t>>& offsets)
{
    OfflineBcdStore::IdentityMap map;
    for (const auto& [sourceOffset, targetOffset] : offsets) {
        BcdDeviceElement::Identity from, to;
        from.signature = sourceSignature;
        from.byteOffset = sourceOffset;
        to.signature = targetSignature;
        to.byteOffset = targetOffset;
        map.emplace_back(from, to);
    }
    return map;
}

OfflineBootRepair::Result OfflineBootRepair::repairClone(int source, int target, const QStringList& services,
                                                         bool resetOverrides, bool migration, QStringList& changes,
                                                         QString& error, const MountedVolumes& mounted)
{
    ReadOnlyDisk src, dst;
    if (!src.open(source) || !dst.open(target)) {
        error = QStringLiteral("Cannot open the disks for the offline boot repair: %1").arg(RawDisk::lastErrorText());
        return Result::Failed;
    }
    const GptDisk::ReadFn readSource = src.reader(), readTarget = dst.reader();
    std::vector<uint8_t> s0(src.sectorSize()), t0(dst.sectorSize());
    if (!readSource(0, s0.size(), s0.data()) || !readTarget(0, t0.size(), t0.data())) {
        error = QStringLiteral("Cannot read the boot records for the offline boot repair");
        return Result::Failed;
    }
    MbrCodec::Entry first;
    const bool gpt = MbrCodec::entry(s0, 0, first) && first.type == MbrCodec::ProtectiveType;
    OfflineBcdStore::IdentityMap map;
    QList<Volume> volumes;
    if (gpt) {
        GptDisk from, to;
        if (!from.load(readSource, src.sectorSize(), src.sectors()) || !to.load(readTarget, dst.sectorSize(), dst.sectors())) {
            error = QStringLiteral("Cannot read the partition tables for the offline boot repair");
            return Result::Failed;
        }
        map = gptMap(from.header().diskGuid, from.entries(), to.header().diskGuid, to.entries());
        for (const GptPartitionEntry& e : to.entries())
            if (e.isUsed())
                volumes.append({e.firstLba * dst.sectorSize(), (e.lastLba - e.firstLba + 1) * dst.sectorSize(),
                                Tessarin::isPartitionType(QString::fromStdString(GuidText::fromGptBytes(e.typeGuid.data())), Tessarin::EfiTypeText)});
    } else {
        std::vector<std::pair<uint64_t, uint64_t>> offsets;
        for (int i = 0; i < MbrCodec::EntryCount; ++i) {
            MbrCodec::Entry s, t;
            if (!MbrCodec::entry(t0, i, t) || t.type == 0 || MbrCodec::isExtendedType(t.type))
                continue;
            const uint64_t offset = uint64_t(t.firstLba) * dst.sectorSize();
            volumes.append({offset, uint64_t(t.sectorCount) * dst.sectorSize(), (t.bootIndicator & MbrCodec::ActiveFlag) != 0});
            if (MbrCodec::entry(s0, i, s) && s.type != 0)
                offsets.emplace_back(uint64_t(s.firstLba) * src.sectorSize(), offset);
        }
        map = mbrMap(ByteOrder::get32(s0.data() + MbrCodec::OffDiskSignature),
                     ByteOrder::get32(t0.data() + MbrCodec::OffDiskSignature), offsets);
    }
    if (!mounted.isEmpty()) {
        QList<Volume> reachable;
        for (Volume v : volumes)
            if (mounted.contains(v.offset)) {
                v.root = mounted.value(v.offset).root;
                v.kind = mounted.value(v.offset).kind;
                reachable.append(v);
            }
        volumes = reachable;
    }
    const QString targetPath = QString::fromStdString(Platform::devices().diskRealPath(target));
    const uint32_t targetSector = dst.sectorSize();
    src.close();
    dst.close();
    OfflineBootRepair repair(targetPath, targetSector);
    const Result result = repair.run(volumes, gpt, map, services, resetOverrides, migration);
    changes = repair.changes();
    error = repair.lastError();
    return result;
}

bool OfflineBootRepair::repairCloneLogged(int source, int target, const QStringList& services, bool resetOverrides,
                                          bool migration, QString& error, const MountedVolumes& mounted)
{
    Logger::instance().info(QStringLiteral("Windows boot tools missing; editing the clone's boot store offline"));
    QStringList changes;
    const Result result = repairClone(source, target, services, resetOverrides, migration, changes, error, mounted);
    for (const QString& line : changes)
        Logger::instance().info(QStringLiteral("Boot repair changed %1").arg(line));
    return result != Result::Failed;
}

OfflineBootRepair::OfflineBootRepair(const QString& diskPath, uint32_t sectorSize)
    : m_disk(diskPath), m_sectorSize(sectorSize)
{
}

OfflineBootRepair::Result OfflineBootRepair::fail(const QString& message)
{
    m_lastError = message;
    Logger::instance().error(message);
    return Result::Failed;
}

std::unique_ptr<VolumeFileAccess> OfflineBootRepair::filesOf(const Volume& volume) const
{
    if (!volume.root.isEmpty())
        return std::make_unique<DriveFiles>(volume.root, volume.kind);
    return std::make_unique<VolumeFiles>(m_disk, volume.offset, volume.size, m_sectorSize);
}

QString OfflineBootRepair::placeOf(const Volume& volume, const QString& path) const
{
    if (!volume.root.isEmpty())
        return DriveFiles::join(volume.root, path);
    return QStringLiteral("%1 @%2:/%3").arg(m_disk).arg(volume.offset).arg(path);
}

OfflineBootRepair::Result OfflineBootRepair::run(const QList<Volume>& volumes, bool gpt,
                                                 const OfflineBcdStore::IdentityMap& map,
                                                 const QStringList& services, bool resetOverrides, bool migration)
{
    Logger& log = Logger::instance();
    m_changes.clear();
    QTemporaryDir folder;
    if (!folder.isValid())
        return fail(QStringLiteral("No temporary folder for the boot store: %1").arg(folder.errorString()));
    // The system partition holds the store; an MBR disk without an active one may keep it elsewhere.
    QList<Volume> order;
    for (const Volume& v : volumes)
        if (v.systemPartition)
            order.append(v);
    if (!gpt)
        for (const Volume& v : volumes)
            if (!v.systemPartition)
                order.append(v);

    // Everything is read and edited first and written back only when all of it could be, so a
    // refusal leaves the disk as it was.
    QList<Edited> edited;
    const QString storePath = gpt ? GptStorePath : MbrStorePath;
    const OfflineBcdStore::Portable portable{gpt, migration};
    int stores = 0;
    for (const Volume& v : order) {
        const std::unique_ptr<VolumeFileAccess> files = filesOf(v);
        const QString local = folder.filePath(QStringLiteral("BCD%1").arg(stores));
        const QString where = placeOf(v, storePath);
        if (files->kind() == VolumeFileAccess::Kind::Unknown)
            continue;
        if (!files->fetch(storePath, local)) {
            if (files->refused())
                return fail(QStringLiteral("Cannot read boot store %1: %2").arg(where, files->lastError()));
            continue;
        }
        ++stores;
        log.info(QStringLiteral("Found boot store %1").arg(where));
        std::unique_ptr<RegistryHive> hive = Platform::registry().openRegistryHive(local.toStdString());
        if (!hive)
            return fail(QStringLiteral("Cannot open boot store %1: %2").arg(where, QString::fromStdString(Platform::lastErrorText())));
        OfflineBcdStore store;
        std::vector<OfflineBcdStore::Edit> applied;
        std::vector<OfflineBcdStore::Setting> settings;
        if (!store.update(*hive, map, applied) || !store.configure(*hive, portable, settings))
            return fail(QStringLiteral("Cannot update boot store %1: %2").arg(where, store.lastError()));
        hive.reset();
        if (applied.empty())
            log.info(QStringLiteral("Boot store %1: no element names a partition of the source disk").arg(where));
        if (applied.empty() && settings.empty())
            continue;
        Edited e{Edited::Kind::Store, v, local, storePath, where, {}};
        for (const OfflineBcdStore::Edit& edit : applied)
            e.changes.append(QStringLiteral("%1: %2").arg(where, OfflineBcdStore::describe(edit)));
        for (const OfflineBcdStore::Setting& setting : settings)
            e.changes.append(QStringLiteral("%1: %2").arg(where, OfflineBcdStore::describe(setting)));
        edited.append(e);
    }
    if (gpt)
        for (const Volume& v : order)
            if (!planFallbackLoader(v, folder.path(), edited))
                return Result::Failed;
    if (stores == 0)
        log.info(QStringLiteral("No boot store on the target disk; only the SYSTEM hive is edited"));
    if (!editSystemHive(volumes, folder.path(), services, resetOverrides, edited))
        return Result::Failed;
    for (const Edited& e : edited) {
        const std::unique_ptr<VolumeFileAccess> files = filesOf(e.volume);
        if (e.kind == Edited::Kind::Loader && !files->makeFolder(FallbackFolder))
            return fail(QStringLiteral("Cannot create %1 for the fallback loader: %2").arg(e.where, files->lastError()));
        if (!files->put(e.local, e.path))
            return fail(QStringLiteral("Cannot write %1 back: %2").arg(e.where, files->lastError()));
        for (const QString& line : e.changes) {
            if (e.kind == Edited::Kind::Store)
                log.info(QStringLiteral("Boot store element updated: %1").arg(line));
            else if (e.kind == Edited::Kind::Loader)
                log.info(QStringLiteral("Fallback boot loader created: %1").arg(line));
            m_changes.append(line);
        }
    }
    return stores == 0 ? Result::NoStore : Result::Updated;
}

bool OfflineBootRepair::planFallbackLoader(const Volume& volume, const QString& folder, QList<Edited>& edited)
{
    const std::unique_ptr<VolumeFileAccess> files = filesOf(volume);
    if (files->kind() != VolumeFileAccess::Kind::Fat)
        return true;
    const QString where = placeOf(volume, FallbackLoaderPath);
    const QString local = folder + QStringLiteral("/bootx64-%1.efi").arg(volume.offset);
    // Only a copy without a loader of its own gets Windows' boot manager in the fallback place.
    const bool present = files->fetch(FallbackLoaderPath, local);
    const bool found = !present && !files->refused() && files->fetch(BootManagerPath, local);
    if (files->refused()) {
        fail(QStringLiteral("Cannot read the EFI boot files %1: %2").arg(where, files->lastError()));
        return false;
    }
    if (!found)
        return true;
    edited.append({Edited::Kind::Loader, volume, local, FallbackLoaderPath, where,
                   {QStringLiteral("%1: copied from /%2").arg(where, BootManagerPath)}});
    return true;
}

bool OfflineBootRepair::editSystemHive(const QList<Volume>& volumes, const QString& folder,
                                       const QStringList& services, bool resetOverrides, QList<Edited>& edited)
{
    const QString local = folder + QStringLiteral("/SYSTEM");
    for (const Volume& v : volumes) {
        const std::unique_ptr<VolumeFileAccess> files = filesOf(v);
        if (files->kind() != VolumeFileAccess::Kind::Ntfs)
            continue;
        const QString where = placeOf(v, SystemHivePath);
        if (!files->fetch(SystemHivePath, local)) {
            if (files->refused()) {
                fail(QStringLiteral("Cannot read SYSTEM hive %1: %2").arg(where, files->lastError()));
                return false;
            }
            continue;
        }
        std::unique_ptr<RegistryHive> hive = Platform::registry().openRegistryHive(local.toStdString());
        if (!hive) {
            fail(QStringLiteral("Cannot open SYSTEM hive %1: %2").arg(where, QString::fromStdString(Platform::lastErrorText())));
            return false;
        }
        OfflineRegistry registry;
        if (!registry.editHive(*hive, services, resetOverrides)) {
            fail(registry.lastError());
            return false;
        }
        hive.reset();
        edited.append({Edited::Kind::Hive, v, local, SystemHivePath, where,
                       {QStringLiteral("%1: SAN policy, portable flag, boot-start storage drivers, MountedDevices removed").arg(where)}});
        return true;
    }
    Logger::instance().warning(QStringLiteral("No Windows SYSTEM hive found on the target; registry left as copied"));
    return true;
}
