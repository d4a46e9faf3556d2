#include "boot/uefibootstorebuilder.h"
#include "core/tessarin.h"

#include "boot/offlinebootrepair.h"
#include "boot/volumefiles.h"
#include "core/logger.h"
#include "core/rawdisk.h"
#include "core/readonlydisk.h"
#include "ondisk/bcdstorelayout.h"
#include "ondisk/byteorder.h"
#include "ondisk/emptyhive.h"
#include "ondisk/guidtext.h"
#include "partition/gptdisk.h"
#include "platform/platform.h"
#include "platform/registryhive.h"

#include <QFile>
#include <QTemporaryDir>
#include <QUuid>
#include <memory>

const QString UefiBootStoreBuilder::BootFolder = QStringLiteral("Windows/Boot/EFI");
const QString UefiBootStoreBuilder::ManagerFile = QStringLiteral("bootmgfw.efi");
const QString UefiBootStoreBuilder::ManagerStorePath = QStringLiteral("\\EFI\\Microsoft\\Boot\\bootmgfw.efi");
const QString UefiBootStoreBuilder::LoaderStorePath = QStringLiteral("\\Windows\\system32\\winload.efi");
const QString UefiBootStoreBuilder::SystemRootPath = QStringLiteral("\\Windows");

namespace {
using L = BcdStoreLayout;

std::string elementKey(const QString& object, uint32_t type)
{
    return QStringLiteral("%1\\%2\\%3\\%4").arg(QLatin1String(L::ObjectsKey), object, QLatin1String(L::ElementsKey))
        .arg(type, 8, 16, QLatin1Char('0')).toStdString();
}

std::string descriptionKey(const QString& object)
{
    return QStringLiteral("%1\\%2\\%3").arg(QLatin1String(L::ObjectsKey), object, QLatin1String(L::DescriptionKey)).toStdString();
}

std::vector<uint8_t> dword(uint32_t value)
{
    std::vector<uint8_t> out(4);
    ByteOrder::put32(out.data(), value);
    return out;
}

std::vector<uint8_t> qword(uint64_t value)
{
    std::vector<uint8_t> out(8);
    ByteOrder::put64(out.data(), value);
    return out;
}
} // namespace

std::vector<uint8_t> UefiBootStoreBuilder::stringValue(const QString& text)
{
    std::vector<uint8_t> out;
    for (const char16_t unit : text.toStdU16String()) {
        out.push_back(uint8_t(unit));
        out.push_back(uint8_t(unit >> 8));
    }
    out.insert(out.end(), 2, 0);
    return out;
}

std::vector<uint8_t> UefiBootStoreBuilder::stringListValue(const QStringList& texts)
{
    std::vector<uint8_t> out;
    for (const QString& text : texts) {
        const std::vector<uint8_t> one = stringValue(text);
        out.insert(out.end(), one.begin(), one.end());
    }
    out.insert(out.end(), 2, 0);
    return out;
}

bool UefiBootStoreBuilder::writeStore(RegistryHive& hive, const Identity& esp, const Identity& windows, const QString& loader,
                                      QString& error)
{
    struct Value {
        std::string key;
        const char* name;
        uint32_t type;
        std::vector<uint8_t> data;
    };
    const QString manager = QLatin1String(L::BootManagerObject);
    const std::string store = L::DescriptionKey;
    const std::vector<Value> values{
        {store, L::StoreKeyNameValue, RegistryHive::TypeString, stringValue(QLatin1String(L::StoreKeyName))},
        {store, L::SystemStoreValue, RegistryHive::TypeDword, dword(1)},
        {store, L::TreatAsSystemValue, RegistryHive::TypeDword, dword(1)},
        {descriptionKey(manager), L::TypeValue, RegistryHive::TypeDword, dword(L::BootManagerObjectType)},
        {elementKey(manager, L::ApplicationDevice), L::ElementValue, RegistryHive::TypeBinary, BcdDeviceElement::make(esp)},
        {elementKey(manager, L::ApplicationPath), L::ElementValue, RegistryHive::TypeString, stringValue(ManagerStorePath)},
        {elementKey(manager, L::Description), L::ElementValue, RegistryHive::TypeString, stringValue(QStringLiteral("Windows Boot Manager"))},
        {elementKey(manager, L::DefaultObject), L::ElementValue, RegistryHive::TypeString, stringValue(loader)},
        {elementKey(manager, L::DisplayOrder), L::ElementValue, RegistryHive::TypeMultiString, stringListValue({loader})},
        {elementKey(manager, L::Timeout), L::ElementValue, RegistryHive::TypeBinary, qword(TimeoutSeconds)},
        {descriptionKey(loader), L::TypeValue, RegistryHive::TypeDword, dword(L::OsLoaderObjectType)},
        {elementKey(loader, L::ApplicationDevice), L::ElementValue, RegistryHive::TypeBinary, BcdDeviceElement::make(windows)},
        {elementKey(loader, L::ApplicationPath), L::ElementValue, RegistryHive::TypeString, stringValue(LoaderStorePath)},
        {elementKey(loader, L::Description), L::ElementValue, RegistryHive::TypeString, stringValue(QStringLiteral("Windows"))},
        {elementKey(loader, L::OsDevice), L::ElementValue, RegistryHive::TypeBinary, BcdDeviceElement::make(windows)},
        {elementKey(loader, L::SystemRoot), L::ElementValue, RegistryHive::TypeString, stringValue(SystemRootPath)},
    };
    for (const Value& v : values)
        if (!hive.writeValue(v.key, v.name, v.type, v.data)) {
            error = QStringLiteral("Cannot write %1\\%2 into the new boot store: %3")
                        .arg(QString::fromStdString(v.key), QLatin1String(v.name), QString::fromStdString(hive.lastError()));
            return false;
        }
    if (!hive.commit()) {
        error = QStringLiteral("Cannot save the new boot store: %1").arg(QString::fromStdString(hive.lastError()));
        return false;
    }
    return true;
}

UefiBootStoreBuilder::UefiBootStoreBuilder(const QString& diskPath, uint32_t sectorSize) : m_disk(diskPath), m_sectorSize(sectorSize) {}

bool UefiBootStoreBuilder::fail(const QString& message)
{
    m_lastError = message;
    Logger::instance().error(message);
    return false;
}

bool UefiBootStoreBuilder::build(const Volume& esp, const Volume& windows)
{
    m_changes.clear();
    QTemporaryDir folder;
    if (!folder.isValid())
        return fail(QStringLiteral("No temporary folder for the boot files: %1").arg(folder.errorString()));
    const QString manager = folder.filePath(ManagerFile);
    VolumeFiles system(m_disk, windows.offset, windows.size, m_sectorSize);
    const QString from = BootFolder + QLatin1Char('/') + ManagerFile;
    if (!system.fetch(from, manager))
        return fail(QStringLiteral("The copied Windows holds no %1, so the copy cannot start under UEFI: %2").arg(from, system.lastError()));

    const std::vector<uint8_t> empty = EmptyHive::encode(L::HiveRootName);
    const QString storeFile = folder.filePath(QStringLiteral("BCD"));
    QFile out(storeFile);
    if (!out.open(QIODevice::WriteOnly) || out.write(reinterpret_cast<const char*>(empty.data()), qint64(empty.size())) != qint64(empty.size()))
        return fail(QStringLiteral("Cannot write the new boot store's file: %1").arg(out.errorString()));
    out.close();
    std::unique_ptr<RegistryHive> hive = Platform::registry().openRegistryHive(storeFile.toStdString());
    if (!hive)
        return fail(QStringLiteral("Cannot open the new boot store: %1").arg(QString::fromStdString(Platform::lastErrorText())));
    const QString loader = QUuid::createUuid().toString(QUuid::WithBraces);
    QString error;
    if (!writeStore(*hive, esp.identity, windows.identity, loader, error))
        return fail(error);
    hive.reset();

    VolumeFiles efi(m_disk, esp.offset, esp.size, m_sectorSize);
    if (efi.kind() != VolumeFiles::Kind::Fat)
        return fail(QStringLiteral("The EFI system partition at byte %1 holds no FAT volume").arg(esp.offset));
    for (const QString& path : {QStringLiteral("EFI/Microsoft/Boot"), OfflineBootRepair::FallbackFolder})
        if (!efi.makeFolder(path))
            return fail(QStringLiteral("Cannot make the folder %1 on the EFI system partition: %2").arg(path, efi.lastError()));
    for (const auto& [local, path] : {std::pair{manager, OfflineBootRepair::BootManagerPath}, {manager, OfflineBootRepair::FallbackLoaderPath},
                                        {storeFile, OfflineBootRepair::GptStorePath}}) {
        if (!efi.put(local, path))
            return fail(QStringLiteral("Cannot write %1 onto the EFI system partition: %2").arg(path, efi.lastError()));
        m_changes << QStringLiteral("%1 @%2:/%3 written").arg(m_disk).arg(esp.offset).arg(path);
    }
    m_changes << QStringLiteral("boot store: Windows loader %1 on %2").arg(loader, QString::fromStdString(windows.identity.describe()));
    return true;
}

bool UefiBootStoreBuilder::buildOnDisk(int target, uint64_t windowsOffset, const QStringList& services, QString& error)
{
    Logger& log = Logger::instance();
    log.info(QStringLiteral("Windows boot tools missing; making the copy's UEFI boot files offline"));
    ReadOnlyDisk disk;
    if (!disk.open(target)) {
        error = QStringLiteral("Cannot open the target disk for the boot files: %1").arg(RawDisk::lastErrorText());
        return false;
    }
    GptDisk gpt;
    if (!gpt.load(disk.reader(), disk.sectorSize(), disk.sectors())) {
        error = QStringLiteral("Cannot read the target's GPT for the boot files: %1").arg(QString::fromStdString(gpt.lastError()));
        return false;
    }
    const uint32_t sector = disk.sectorSize();
    Volume esp, windows;
    QList<OfflineBootRepair::Volume> volumes;
    bool haveEsp = false, haveWindows = false;
    for (const GptPartitionEntry& e : gpt.entries()) {
        if (!e.isUsed())
            continue;
        Volume v{e.firstLba * sector, (e.lastLba - e.firstLba + 1) * sector, {}};
        v.identity.gpt = true;
        v.identity.diskGuid = gpt.header().diskGuid;
        v.identity.partitionGuid = e.uniqueGuid;
        const bool isEsp = Tessarin::isPartitionType(QString::fromStdString(GuidText::fromGptBytes(e.typeGuid.data())), Tessarin::EfiTypeText);
        if (isEsp && !haveEsp) {
            esp = v;
            haveEsp = true;
        }
        if (v.offset == windowsOffset) {
            windows = v;
            haveWindows = true;
        }
        volumes.append({v.offset, v.size, isEsp});
    }
    const QString path = QString::fromStdString(Platform::devices().diskRealPath(target));
    disk.close();
    if (!haveEsp || !haveWindows) {
        error = QStringLiteral("The target has no %1 for the boot files").arg(haveEsp ? QStringLiteral("Windows partition at byte %1").arg(windowsOffset)
                                                                                       : QStringLiteral("EFI system partition"));
        return false;
    }
    UefiBootStoreBuilder builder(path, sector);
    if (!builder.build(esp, windows)) {
        error = builder.lastError();
        return false;
    }
    for (const QString& line : builder.changes())
        log.info(QStringLiteral("Boot repair changed %1").arg(line));
    // The store just written names the copy already; the portable settings and the SYSTEM hive are left.
    OfflineBootRepair repair(path, sector);
    if (repair.run(volumes, true, {}, services, false, true) == OfflineBootRepair::Result::Failed) {
        error = repair.lastError();
        return false;
    }
    for (const QString& line : repair.changes())
        log.info(QStringLiteral("Boot repair changed %1").arg(line));
    return true;
}
