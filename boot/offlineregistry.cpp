#include "boot/offlineregistry.h"

#include "boot/bootplatform.h"
#include "platformtools/toolrunner.h"
#include "ondisk/byteorder.h"
#include "core/commandrunner.h"
#include "core/logger.h"

#include <QCoreApplication>
#include "platform/platform.h"
#include "platform/registryhive.h"

#include <QRegularExpression>
#include <memory>

namespace {
const QString DiskHiveName = QStringLiteral("TESSARIN_DISK_OFFLINE_SYS");
const QString SystemHiveName = QStringLiteral("TESSARIN_OFFLINE_SYS");
constexpr uint32_t RegDword = 4;

QString hklm(const QString& name) { return QStringLiteral("HKLM\\") + name; }

QStringList addDword(const QString& key, const QString& name, const QString& data)
{
    return {QStringLiteral("add"), key, QStringLiteral("/v"), name, QStringLiteral("/t"), QStringLiteral("REG_DWORD"),
            QStringLiteral("/d"), data, QStringLiteral("/f")};
}

void appendUnique(QStringList& list, const QString& name)
{
    if (!list.contains(name, Qt::CaseInsensitive))
        list.append(name);
}
}

OfflineRegistry::OfflineRegistry(QObject* parent) : QObject(parent) {}

const QStringList& OfflineRegistry::diskCloneServices()
{
    static const QStringList names{
        "storahci", "stornvme", "pciide",  "atapi",    "intelide", "msahci",      "pciidex",  "disk",
        "partmgr",  "volmgr",   "volmgrx", "mountmgr", "volume",   "volsnap",     "USBSTOR",  "UASPStor",
        "USBXHCI",  "UCX01000", "USBHUB3", "usbhub",   "usbehci",  "usbohci",     "usbuhci",  "Wdf01000",
        "usbccgp",  "EhStorClass", "vdrvroot", "iaStorV", "iaStorAV", "iaStorAVC", "iaStorVD", "iaStor"};
    return names;
}

const QStringList& OfflineRegistry::systemCloneServices()
{
    static const QStringList names{
        "storahci", "stornvme", "pciide",   "atapi",    "intelide", "msahci",      "pciidex",  "volsnap",
        "partmgr",  "volume",   "disk",     "mountmgr", "volmgr",   "volmgrx",     "vdrvroot", "EhStorClass",
        "Wdf01000", "usbccgp",  "USBSTOR",  "UASPStor", "USBXHCI",  "UCX01000",    "USBHUB3",  "usbhub",
        "usbehci",  "usbohci",  "usbuhci",  "iaStorV",  "iaStorAV", "iaStorAVC",   "iaStorVD", "iaStor"};
    return names;
}

QString OfflineRegistry::hiveFile(const QString& windowsLetter)
{
    return QStringLiteral("%1:\\Windows\\System32\\config\\SYSTEM").arg(windowsLetter);
}

QString OfflineRegistry::controlSetName(uint32_t number)
{
    if (number == 0)
        return QString();
    return QStringLiteral("ControlSet%1").arg(number, 3, 10, QLatin1Char('0'));
}

QStringList OfflineRegistry::enumerateOfflineControlSets(const QString& hiveSubKey)
{
    PlatformRegistry& platform = Platform::registry();
    Logger& log = Logger::instance();
    QStringList sets;
    const std::string hive = hiveSubKey.toStdString();
    if (!platform.registryKeyExists(hive)) {
        log.warning(QStringLiteral("Failed to open offline hive for ControlSet enumeration: HKLM\\%1").arg(hiveSubKey));
        return sets;
    }
    const std::string select = hive + "\\Select";
    if (platform.registryKeyExists(select)) {
        for (const char* value : {"Current", "Default", "LastKnownGood"}) {
            std::vector<uint8_t> data;
            uint32_t type = 0;
            if (!platform.registryReadValue(select, value, data, type) || data.size() != 4)
                continue;
            const uint32_t n = ByteOrder::get32(data.data());
            const QString name = controlSetName(n);
            if (name.isEmpty() || !platform.registryKeyExists(hive + "\\" + name.toStdString()))
                continue;
            appendUnique(sets, name);
        }
    } else {
        log.warning(QStringLiteral("Offline SYSTEM Select key not found in HKLM\\%1").arg(hiveSubKey));
    }
    std::vector<std::string> names;
    const uint32_t status = platform.registryEnumSubKeys(hive, names);
    static const QRegularExpression controlSet(QStringLiteral("^ControlSet\\d{3}$"));
    for (const std::string& n : names) {
        const QString name = QString::fromStdString(n);
        if (controlSet.match(name).hasMatch())
            appendUnique(sets, name);
    }
    if (status != PlatformError::NoMoreItems)
        log.warning(QStringLiteral("RegEnumKeyEx failed while reading ControlSets, status=%1").arg(status));
    return sets;
}

QStringList OfflineRegistry::controlSetsOrFallback(const QString& hiveSubKey)
{
    QStringList sets = enumerateOfflineControlSets(hiveSubKey);
    if (sets.isEmpty()) {
        sets = {QStringLiteral("ControlSet001"), QStringLiteral("ControlSet002")};
        Logger::instance().warning(QStringLiteral(
            "Failed to enumerate offline ControlSet keys via WinAPI; using ControlSet001 and ControlSet002"));
    }
    Logger::instance().info(QStringLiteral("Offline ControlSets: %1").arg(sets.join(QStringLiteral(", "))));
    return sets;
}

bool OfflineRegistry::configurePortableUsbBoot(const QString& windowsLetter)
{
    Logger& log = Logger::instance();
    const QString hive = hiveFile(windowsLetter);
    if (!BootPlatform::exists(hive)) {
        m_lastError = QStringLiteral("Offline SYSTEM registry hive not found: %1").arg(hive);
        log.error(m_lastError);
        return false;
    }
    emit phaseChanged(QCoreApplication::translate("DiskCloneMode", "Configuring system for USB boot..."));
    bool opened = false;
    const bool edited = editInPlace(hive, diskCloneServices(), true, opened);
    if (opened)
        return edited;
    const QString key = hklm(DiskHiveName);
    ToolRunner::runReg({QStringLiteral("unload"), key}, StaleUnloadMs);

    log.info(QStringLiteral("Loading offline registry for disk clone portable boot configuration..."));
    const CommandResult load = ToolRunner::run(QStringLiteral("reg"), {QStringLiteral("load"), key, hive}, LoadMs);
    if (!load.finished || load.exitCode != 0) {
        const QString text = (ToolRunner::decode(load.standardOutput) + ToolRunner::decode(load.standardError)).trimmed();
        m_lastError = QStringLiteral("Failed to load offline registry: %1").arg(text);
        log.error(m_lastError);
        return false;
    }

    const QStringList sets = controlSetsOrFallback(DiskHiveName);
    log.info(QStringLiteral("Setting SAN Policy, portable OS flag, and boot storage drivers..."));
    const QString one = QStringLiteral("1");
    const QString zero = QStringLiteral("0");
    for (const QString& set : sets) {
        const QString cs = key + QLatin1Char('\\') + set;
        ToolRunner::runReg(addDword(cs + QStringLiteral("\\Services\\partmgr\\Parameters"), QStringLiteral("SanPolicy"), one), AddMs);
        ToolRunner::runReg(addDword(cs + QStringLiteral("\\Control"), QStringLiteral("PortableOperatingSystem"), one), AddMs);
        for (const QString& service : diskCloneServices()) {
            const QString serviceKey = cs + QStringLiteral("\\Services\\") + service;
            if (!ToolRunner::runReg({QStringLiteral("query"), serviceKey}, QueryMs))
                continue;
            ToolRunner::runReg(addDword(serviceKey, QStringLiteral("Start"), zero), AddMs);
            const QString overrideKey = serviceKey + QStringLiteral("\\StartOverride");
            ToolRunner::runReg({QStringLiteral("delete"), overrideKey, QStringLiteral("/f")}, DeleteMs);
            ToolRunner::runReg(addDword(overrideKey, zero, zero), AddMs);
        }
    }
    ToolRunner::runReg({QStringLiteral("delete"), key + QStringLiteral("\\MountedDevices"), QStringLiteral("/f")}, AddMs);

    if (ToolRunner::unloadOfflineHive(key)) {
        log.info(QStringLiteral("Offline registry configured for portable USB boot"));
        return true;
    }
    m_lastError = QStringLiteral("Failed to unload offline registry");
    log.error(m_lastError);
    return false;
}

bool OfflineRegistry::editInPlace(const QString& hiveFile, const QStringList& services, bool resetOverrides, bool& opened)
{
    m_lastError.clear();
    std::unique_ptr<RegistryHive> hive = Platform::registry().openRegistryHive(hiveFile.toStdString());
    opened = hive != nullptr;
    if (!hive) {
        Logger::instance().info(QStringLiteral("SYSTEM hive %1 not opened for editing here (%2); loading it with reg")
                                    .arg(hiveFile, QString::fromStdString(Platform::lastErrorText())));
        return false;
    }
    Logger::instance().info(QStringLiteral("Editing the SYSTEM hive %1 in place").arg(hiveFile));
    return editHive(*hive, services, resetOverrides);
}

void OfflineRegistry::configureForMigration(const QString& windowsLetter)
{
    Logger& log = Logger::instance();
    const QString hive = hiveFile(windowsLetter);
    if (!BootPlatform::exists(hive))
        return;
    emit phaseChanged(QCoreApplication::translate("SystemCloneMode", "Configuring system for hardware migration..."));
    bool opened = false;
    editInPlace(hive, systemCloneServices(), false, opened);
    if (opened)
        return;
    const QString key = hklm(SystemHiveName);
    log.info(QStringLiteral("Loading offline registry for system configuration..."));
    if (!ToolRunner::runReg({QStringLiteral("load"), key, hive}, LoadMs)) {
        log.warning(QStringLiteral("Failed to load registry"));
        return;
    }
    const QStringList sets = controlSetsOrFallback(SystemHiveName);
    const QString one = QStringLiteral("1");
    const QString zero = QStringLiteral("0");

    log.info(QStringLiteral("Setting SAN Policy..."));
    for (const QString& set : sets)
        ToolRunner::runReg(addDword(key + QLatin1Char('\\') + set + QStringLiteral("\\Services\\partmgr\\Parameters"),
                                    QStringLiteral("SanPolicy"), one), AddMs);
    log.info(QStringLiteral("SAN Policy set successfully"));

    log.info(QStringLiteral("Enabling standard storage drivers..."));
    emit phaseChanged(QCoreApplication::translate("SystemCloneMode", "Enabling standard storage drivers..."));
    for (const QString& set : sets) {
        for (const QString& service : systemCloneServices()) {
            const QString serviceKey = key + QLatin1Char('\\') + set + QStringLiteral("\\Services\\") + service;
            if (!ToolRunner::runReg({QStringLiteral("query"), serviceKey}, MigrationQueryMs))
                continue;
            ToolRunner::runReg(addDword(serviceKey, QStringLiteral("Start"), zero), MigrationDriverAddMs);
            ToolRunner::runReg(addDword(serviceKey + QStringLiteral("\\StartOverride"), zero, zero), MigrationDriverAddMs);
        }
    }
    log.info(QStringLiteral("Standard storage drivers enabled"));

    log.info(QStringLiteral("Marking offline system as portable operating system..."));
    for (const QString& set : sets)
        ToolRunner::runReg(addDword(key + QLatin1Char('\\') + set + QStringLiteral("\\Control"),
                                    QStringLiteral("PortableOperatingSystem"), one), AddMs);
    ToolRunner::runReg({QStringLiteral("delete"), key + QStringLiteral("\\MountedDevices"), QStringLiteral("/f")}, AddMs);

    log.info(QStringLiteral("Keeping existing storage drivers enabled for cross-machine boot compatibility..."));
    emit phaseChanged(QCoreApplication::translate("SystemCloneMode", "Keeping existing storage drivers enabled..."));
    log.info(QStringLiteral("Existing storage drivers kept enabled"));

    CommandRunner& runner = CommandRunner::current();
    runner.sleepMs(500);
    if (!ToolRunner::runReg({QStringLiteral("unload"), key}, MigrationUnloadMs)) {
        log.warning(QStringLiteral("First unload attempt failed, retrying..."));
        runner.sleepMs(1000);
        ToolRunner::runReg({QStringLiteral("unload"), key}, MigrationUnloadMs);
    }
    log.info(QStringLiteral("Registry configuration completed"));
}

QStringList OfflineRegistry::hiveControlSets(RegistryHive& hive)
{
    Logger& log = Logger::instance();
    QStringList sets;
    for (const char* value : {"Current", "Default", "LastKnownGood"}) {
        std::vector<uint8_t> data;
        uint32_t type = 0;
        if (!hive.readValue("Select", value, type, data) || data.size() != 4)
            continue;
        const QString name = controlSetName(ByteOrder::get32(data.data()));
        if (!name.isEmpty() && hive.keyExists(name.toStdString()))
            appendUnique(sets, name);
    }
    if (sets.isEmpty())
        log.warning(QStringLiteral("Offline SYSTEM Select key missing or naming no present control set"));
    static const QRegularExpression controlSet(QStringLiteral("^ControlSet\\d{3}$"));
    for (const std::string& n : hive.subKeys(std::string()))
        if (controlSet.match(QString::fromStdString(n)).hasMatch())
            appendUnique(sets, QString::fromStdString(n));
    // As with a loaded hive: the sets Windows starts from when nothing says otherwise.
    if (sets.isEmpty()) {
        sets = {controlSetName(1), controlSetName(2)};
        log.warning(QStringLiteral("No ControlSet keys in the offline SYSTEM hive; using ControlSet001 and ControlSet002"));
    }
    return sets;
}

bool OfflineRegistry::editHive(RegistryHive& hive, const QStringList& services, bool resetOverrides)
{
    Logger& log = Logger::instance();
    const QStringList sets = hiveControlSets(hive);
    log.info(QStringLiteral("Offline ControlSets: %1").arg(sets.join(QStringLiteral(", "))));
    std::vector<uint8_t> one(4, 0);
    one[0] = 1;
    const std::vector<uint8_t> zero(4, 0);
    bool ok = true;
    auto dword = [&](const std::string& key, const std::string& name, const std::vector<uint8_t>& data) {
        ok = hive.writeValue(key, name, RegistryHive::TypeDword, data) && ok;
    };
    for (const QString& set : sets) {
        const std::string cs = set.toStdString();
        dword(cs + "\\Services\\partmgr\\Parameters", "SanPolicy", one);
        dword(cs + "\\Control", "PortableOperatingSystem", one);
        for (const QString& service : services) {
            const std::string key = cs + "\\Services\\" + service.toStdString();
            if (!hive.keyExists(key))
                continue;
            dword(key, "Start", zero);
            if (resetOverrides)
                ok = hive.deleteKey(key + "\\StartOverride") && ok;
            dword(key + "\\StartOverride", "0", zero);
        }
    }
    ok = hive.deleteKey("MountedDevices") && ok;
    if (!ok || !hive.commit()) {
        m_lastError = QStringLiteral("Failed to edit the offline SYSTEM hive: %1").arg(QString::fromStdString(hive.lastError()));
        log.error(m_lastError);
        return false;
    }
    log.info(QStringLiteral("Offline SYSTEM hive configured for portable boot (%1 control sets)").arg(sets.size()));
    return true;
}
