#include "boot/bcdeditor.h"

#include "boot/bootplatform.h"
#include "platformtools/diskpartscript.h"
#include "platformtools/toolrunner.h"
#include "core/commandrunner.h"
#include "core/logger.h"
#include "platform/platformtypes.h"

#include <QLocale>
#include <QRegularExpression>

namespace {
constexpr int Uefi = 2;
constexpr int Bios = 1;
constexpr int EfiMountPauseMs = 500;

QString withColon(const QString& root)
{
    return root.endsWith(QLatin1Char(':')) ? root : root + QLatin1Char(':');
}
QString partitionArg(const QString& root) { return QStringLiteral("partition=") + root; }
}

BCDEditor::BCDEditor(QObject* parent) : QObject(parent) {}

bool BCDEditor::fail(const QString& message)
{
    m_lastError = message;
    Logger::instance().error(message);
    return false;
}

QString BCDEditor::bootLocale()
{
    return bootLocaleFrom(QLocale::system().uiLanguages());
}

QString BCDEditor::bootLocaleFrom(const QStringList& uiLanguages)
{
    const QString fallback = QStringLiteral("en-us");
    if (uiLanguages.isEmpty())
        return fallback;
    // Windows names boot locales language-region; a script part ("zh-Hans-CN") is left out.
    const QStringList parts = uiLanguages.first().toLower().replace(QLatin1Char('_'), QLatin1Char('-')).split(QLatin1Char('-'));
    static const QRegularExpression letters(QStringLiteral("^[a-z]{2,3}$"));
    if (parts.size() < 2 || !letters.match(parts.first()).hasMatch() || !letters.match(parts.last()).hasMatch())
        return fallback;
    return parts.first() + QLatin1Char('-') + parts.last();
}

QString BCDEditor::windowsDirectory(const QString& windowsRoot)
{
    return windowsRoot + (windowsRoot.endsWith(QLatin1Char('\\')) ? QString() : QStringLiteral("\\"))
           + QStringLiteral("Windows");
}

QString BCDEditor::bcdStorePath(const QString& systemRoot, int firmware)
{
    QString path = systemRoot;
    if (!path.endsWith(QLatin1Char('\\')) && !path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('\\');
    return path + (firmware == Uefi ? QStringLiteral("EFI\\Microsoft\\Boot\\BCD") : QStringLiteral("Boot\\BCD"));
}

QString BCDEditor::extractGuid(const QString& output) { return ToolRunner::extractGuid(output); }

bool BCDEditor::runBcdedit(const QStringList& arguments, QString& output)
{
    return ToolRunner::runBcdedit(arguments, output);
}

bool BCDEditor::runBcdeditStore(const QString& storePath, const QStringList& arguments, QString& output)
{
    return ToolRunner::runBcdeditStore(storePath, arguments, output);
}

bool BCDEditor::runBcdboot(const QStringList& arguments, QString& output)
{
    return ToolRunner::runBcdboot(arguments, output);
}

bool BCDEditor::runDiskpartScript(const QString& script, QString& output)
{
    return ToolRunner::runDiskpartScript(script, output);
}

bool BCDEditor::repairBoot(const QString& windowsRoot, int firmware, const QString& systemRoot)
{
    Logger& log = Logger::instance();
    const bool uefi = firmware == Uefi;
    log.info(QStringLiteral("Starting BCD repair: bootType=%1, windows=%2, system=%3")
                 .arg(uefi ? QStringLiteral("UEFI") : QStringLiteral("BIOS"), windowsRoot, systemRoot));
    emit progressMessage(tr("Repairing boot configuration..."));

    const QString windowsDir = windowsDirectory(windowsRoot);
    if (!checkWindowsInstallation(windowsDir))
        return fail(QStringLiteral("Windows installation not found at %1").arg(windowsDir));
    if (uefi && !checkEfiBootManager(systemRoot))
        log.warning(QStringLiteral("EFI boot files not found, will attempt to create them"));

    const QString store = bcdStorePath(systemRoot, firmware);
    if (BootPlatform::exists(store)) {
        const QString backup = store + QStringLiteral(".backup");
        BootPlatform::deleteFile(backup);
        if (BootPlatform::copyFile(store, backup, false))
            log.info(QStringLiteral("Backed up existing BCD to %1").arg(backup));
    }

    emit progressMessage(tr("Running bcdboot to rebuild BCD..."));
    if (rebuildWithBcdboot(windowsDir, systemRoot, firmware)) {
        log.info(QStringLiteral("BCD rebuilt successfully with bcdboot"));
        if (uefi) {
            emit progressMessage(tr("Configuring portable boot mode..."));
            configurePortableMode(systemRoot);
            cleanInvalidEntries(systemRoot);
        }
        return true;
    }
    log.warning(QStringLiteral("bcdboot failed, attempting manual BCD repair..."));
    emit progressMessage(tr("Attempting manual BCD repair..."));
    if (createStoreManually(windowsRoot, systemRoot, firmware)) {
        log.info(QStringLiteral("BCD created manually"));
        if (uefi)
            configurePortableMode(systemRoot);
        return true;
    }
    log.warning(QStringLiteral("Manual BCD creation failed, attempting to update existing BCD..."));
    if (BootPlatform::exists(store) && updateDevicePaths(store, windowsRoot, systemRoot)) {
        log.info(QStringLiteral("BCD device paths updated"));
        if (uefi)
            configurePortableMode(systemRoot);
        return true;
    }
    return fail(QStringLiteral("All BCD repair methods failed"));
}

bool BCDEditor::rebuildWithBcdboot(const QString& windowsDir, const QString& systemRoot, int firmware)
{
    Logger::instance().info(QStringLiteral("Rebuilding BCD with bcdboot: windows=%1, system=%2").arg(windowsDir, systemRoot));
    const QString fw = firmware == Uefi ? QStringLiteral("UEFI") : firmware == Bios ? QStringLiteral("BIOS") : QStringLiteral("ALL");
    const QStringList args{windowsDir, QStringLiteral("/s"), systemRoot, QStringLiteral("/f"), fw,
                           QStringLiteral("/l"), bootLocale()};
    QString output;
    if (runBcdboot(args, output)) {
        Logger::instance().info(QStringLiteral("bcdboot output: %1").arg(output));
        return true;
    }
    return fail(QStringLiteral("bcdboot failed: %1").arg(output));
}

bool BCDEditor::createStoreManually(const QString& windowsRoot, const QString& systemRoot, int firmware)
{
    Logger& log = Logger::instance();
    const bool uefi = firmware == Uefi;
    log.info(QStringLiteral("Creating BCD manually..."));
    const QString store = bcdStorePath(systemRoot, firmware);
    const QString storeDir = store.left(store.lastIndexOf(QLatin1Char('\\')));
    if (!BootPlatform::exists(storeDir)) {
        // Parents first: the platform call makes one level at a time.
        const QStringList parts = storeDir.split(QLatin1Char('\\'));
        QString path;
        for (const QString& part : parts) {
            path = path.isEmpty() ? part : path + QLatin1Char('\\') + part;
            if (!path.endsWith(QLatin1Char(':')) && !BootPlatform::exists(path))
                BootPlatform::createDirectory(path);
        }
    }
    if (BootPlatform::exists(store))
        BootPlatform::deleteFile(store);

    QString out;
    const QString locale = bootLocale();
    log.info(QStringLiteral("Creating new BCD store..."));
    if (!runBcdedit({QStringLiteral("/createstore"), store}, out))
        log.warning(QStringLiteral("createstore output: %1").arg(out));
    log.info(QStringLiteral("Creating bootmgr entry..."));
    if (!runBcdeditStore(store, {QStringLiteral("/create"), QStringLiteral("{bootmgr}"), QStringLiteral("/d"),
                                 QStringLiteral("Windows Boot Manager")}, out))
        log.warning(QStringLiteral("Create bootmgr output: %1").arg(out));
    const QString bootmgr = QStringLiteral("{bootmgr}");
    const QString set = QStringLiteral("/set");
    runBcdeditStore(store, {set, bootmgr, QStringLiteral("device"), partitionArg(systemRoot)}, out);
    runBcdeditStore(store, {set, bootmgr, QStringLiteral("path"),
                            uefi ? QStringLiteral("\\EFI\\Microsoft\\Boot\\bootmgfw.efi") : QStringLiteral("\\bootmgr")}, out);
    runBcdeditStore(store, {set, bootmgr, QStringLiteral("locale"), locale}, out);
    runBcdeditStore(store, {set, bootmgr, QStringLiteral("timeout"), QStringLiteral("5")}, out);

    log.info(QStringLiteral("Creating OS loader entry..."));
    if (!runBcdeditStore(store, {QStringLiteral("/create"), QStringLiteral("/d"), QStringLiteral("Windows 10"),
                                 QStringLiteral("/application"), QStringLiteral("osloader")}, out))
        return fail(QStringLiteral("Failed to create OS loader entry: %1").arg(out));
    const QString guid = extractGuid(out);
    if (guid.isEmpty())
        return fail(QStringLiteral("Failed to parse OS loader GUID from bcdedit output"));
    log.info(QStringLiteral("Created OS loader with GUID: %1").arg(guid));

    runBcdeditStore(store, {set, guid, QStringLiteral("device"), partitionArg(windowsRoot)}, out);
    runBcdeditStore(store, {set, guid, QStringLiteral("osdevice"), partitionArg(windowsRoot)}, out);
    runBcdeditStore(store, {set, guid, QStringLiteral("path"),
                            uefi ? QStringLiteral("\\Windows\\system32\\winload.efi")
                                 : QStringLiteral("\\Windows\\system32\\winload.exe")}, out);
    runBcdeditStore(store, {set, guid, QStringLiteral("systemroot"), QStringLiteral("\\Windows")}, out);
    runBcdeditStore(store, {set, guid, QStringLiteral("locale"), locale}, out);
    runBcdeditStore(store, {set, guid, QStringLiteral("inherit"), QStringLiteral("{bootloadersettings}")}, out);
    runBcdeditStore(store, {set, guid, QStringLiteral("nx"), QStringLiteral("OptIn")}, out);
    runBcdeditStore(store, {set, guid, QStringLiteral("recoveryenabled"), QStringLiteral("No")}, out);
    runBcdeditStore(store, {set, guid, QStringLiteral("detecthal"), QStringLiteral("yes")}, out);
    runBcdeditStore(store, {set, bootmgr, QStringLiteral("default"), guid}, out);
    runBcdeditStore(store, {set, bootmgr, QStringLiteral("displayorder"), guid}, out);
    log.info(QStringLiteral("Manual BCD creation completed"));
    return true;
}

bool BCDEditor::updateDevicePaths(const QString& storePath, const QString& windowsRoot, const QString& systemRoot)
{
    Logger& log = Logger::instance();
    log.info(QStringLiteral("Updating BCD device paths in %1").arg(storePath));
    const QString set = QStringLiteral("/set");
    QString out;
    if (!runBcdeditStore(storePath, {set, QStringLiteral("{bootmgr}"), QStringLiteral("device"), partitionArg(systemRoot)}, out))
        log.warning(QStringLiteral("Failed to update bootmgr device: %1").arg(out));
    if (!runBcdeditStore(storePath, {set, QStringLiteral("{default}"), QStringLiteral("device"), partitionArg(windowsRoot)}, out))
        log.warning(QStringLiteral("Failed to update default device: %1").arg(out));
    if (!runBcdeditStore(storePath, {set, QStringLiteral("{default}"), QStringLiteral("osdevice"), partitionArg(windowsRoot)}, out))
        log.warning(QStringLiteral("Failed to update default osdevice: %1").arg(out));
    runBcdeditStore(storePath, {set, QStringLiteral("{current}"), QStringLiteral("device"), partitionArg(windowsRoot)}, out);
    runBcdeditStore(storePath, {set, QStringLiteral("{current}"), QStringLiteral("osdevice"), partitionArg(windowsRoot)}, out);
    return true;
}

bool BCDEditor::configurePortableMode(const QString& systemRoot)
{
    Logger& log = Logger::instance();
    log.info(QStringLiteral("Configuring BCD for portable mode on %1").arg(systemRoot));
    emit progressMessage(tr("Configuring portable boot settings..."));
    const QString root = withColon(systemRoot);
    const QString store = root + QStringLiteral("\\EFI\\Microsoft\\Boot\\BCD");
    log.info(QStringLiteral("BCD path: %1").arg(store));
    if (!BootPlatform::exists(store))
        return fail(QStringLiteral("BCD file not found: %1").arg(store));

    bool ok = true;
    QString out;
    const QString set = QStringLiteral("/set");
    const QString def = QStringLiteral("{default}");
    const QString winload = QStringLiteral("\\Windows\\System32\\winload.efi");

    const QString deviceLocate = QStringLiteral("locate=") + winload;
    log.info(QStringLiteral("Setting {default} device to portable locate path: %1").arg(deviceLocate));
    if (runBcdeditStore(store, {set, def, QStringLiteral("device"), deviceLocate}, out)) {
        log.info(QStringLiteral("Set {default} device successfully"));
    } else {
        log.warning(QStringLiteral("Failed to set {default} device: %1").arg(out));
        ok = false;
    }
    const QString osLocate = QStringLiteral("locate=\\Windows");
    log.info(QStringLiteral("Setting {default} osdevice to portable locate path: %1").arg(osLocate));
    if (runBcdeditStore(store, {set, def, QStringLiteral("osdevice"), osLocate}, out)) {
        log.info(QStringLiteral("Set {default} osdevice successfully"));
    } else {
        log.warning(QStringLiteral("Failed to set {default} osdevice: %1").arg(out));
        ok = false;
    }
    if (!runBcdeditStore(store, {set, def, QStringLiteral("path"), winload}, out)) {
        log.warning(QStringLiteral("Failed to set {default} path: %1").arg(out));
        ok = false;
    }
    if (!runBcdeditStore(store, {set, def, QStringLiteral("systemroot"), QStringLiteral("\\Windows")}, out)) {
        log.warning(QStringLiteral("Failed to set {default} systemroot: %1").arg(out));
        ok = false;
    }

    log.info(QStringLiteral("Setting {bootmgr} device to boot..."));
    if (runBcdeditStore(store, {set, QStringLiteral("{bootmgr}"), QStringLiteral("device"), QStringLiteral("boot")}, out))
        log.info(QStringLiteral("Set {bootmgr} device to boot successfully"));
    else
        log.warning(QStringLiteral("Failed to set {bootmgr} device: %1").arg(out));
    log.info(QStringLiteral("Enabling hardware detection (detecthal)..."));
    if (runBcdeditStore(store, {set, def, QStringLiteral("detecthal"), QStringLiteral("yes")}, out))
        log.info(QStringLiteral("Hardware detection (detecthal) enabled successfully"));
    else
        log.warning(QStringLiteral("Failed to set detecthal: %1").arg(out));
    log.info(QStringLiteral("Cleaning up old settings..."));
    runBcdeditStore(store, {QStringLiteral("/deletevalue"), def, QStringLiteral("winpe")}, out);

    log.info(QStringLiteral("Creating fallback UEFI boot file (bootx64.efi)..."));
    const QString bootDir = root + QStringLiteral("\\EFI\\Boot");
    if (!BootPlatform::createDirectory(bootDir) && BootPlatform::lastErrorCode() != PlatformError::AlreadyExists)
        log.warning(QStringLiteral("Failed to create directory %1, error: %2").arg(bootDir).arg(BootPlatform::lastErrorCode()));
    const QString source = root + QStringLiteral("\\EFI\\Microsoft\\Boot\\bootmgfw.efi");
    const QString target = bootDir + QStringLiteral("\\bootx64.efi");
    if (!BootPlatform::exists(source)) {
        log.warning(QStringLiteral("Source file not found: %1").arg(source));
        ok = false;
    } else {
        if (BootPlatform::exists(target)) {
            BootPlatform::setAttributesNormal(target);
            BootPlatform::deleteFile(target);
        }
        if (!BootPlatform::copyFile(source, target, false)) {
            log.warning(QStringLiteral("Failed to copy bootx64.efi, error: %1").arg(BootPlatform::lastErrorCode()));
            ok = false;
        } else {
            log.info(QStringLiteral("Successfully created portable boot file: %1").arg(target));
        }
    }

    if (ok) {
        log.info(QStringLiteral("BCD configured for portable mode successfully (Locate + DetectHAL + bootx64.efi)"));
        return true;
    }
    log.warning(QStringLiteral("BCD portable mode configuration completed with some warnings"));
    m_lastError = QStringLiteral("Critical portable BCD configuration step failed");
    log.error(QStringLiteral("BCD portable mode configuration failed"));
    return false;
}

QStringList BCDEditor::findInvalidEntries(const QString& enumOutput)
{
    static const char* const protectedIds[] = {"bootmgr", "memdiag", "default", "current", "globalsettings",
                                               "bootloadersettings", "resumeloadersettings", "hypervisorsettings",
                                               "emssettings", "dbgsettings", "badmemory"};
    QStringList invalid;
    QString current;
    bool deviceUnknown = false;
    const QString identifierZh = QStringLiteral("标识符");
    QStringList lines = enumOutput.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    // The line end of the last line does not make a blank line after it.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (const QString& line : lines) {
        if (line.contains(identifierZh) || line.contains(QLatin1String("identifier"))) {
            const int open = line.indexOf(QLatin1Char('{'));
            const int close = line.indexOf(QLatin1Char('}'));
            if (open >= 0 && close >= 0) {
                current = close > open ? line.mid(open, close - open + 1) : QString();
                deviceUnknown = false;
            }
        } else if (line.contains(QLatin1String("device")) && line.contains(QLatin1String("unknown"))) {
            deviceUnknown = true;
        } else if (line.trimmed().isEmpty() && deviceUnknown && !current.isEmpty()) {
            bool keep = false;
            for (const char* id : protectedIds)
                keep = keep || current.contains(QLatin1String(id));
            if (!keep)
                invalid.append(current);
            current.clear();
            deviceUnknown = false;
        }
    }
    return invalid;
}

bool BCDEditor::cleanInvalidEntries(const QString& systemRoot)
{
    Logger& log = Logger::instance();
    log.info(QStringLiteral("Cleaning up invalid BCD entries..."));
    emit progressMessage(tr("Cleaning up invalid boot entries..."));
    const QString root = systemRoot.size() == 1 ? systemRoot + QLatin1Char(':') : systemRoot;
    const QString store = root + QStringLiteral("\\EFI\\Microsoft\\Boot\\BCD");
    QString out;
    if (!runBcdeditStore(store, {QStringLiteral("/enum"), QStringLiteral("all"), QStringLiteral("/v")}, out)) {
        log.warning(QStringLiteral("Failed to enumerate BCD entries"));
        return false;
    }
    int removed = 0;
    for (const QString& id : findInvalidEntries(out)) {
        log.info(QStringLiteral("Deleting invalid entry: %1").arg(id));
        QString deleteOut;
        if (runBcdeditStore(store, {QStringLiteral("/delete"), id, QStringLiteral("/f")}, deleteOut))
            ++removed;
        else
            log.warning(QStringLiteral("Failed to delete entry %1: %2").arg(id, deleteOut));
    }
    log.info(QStringLiteral("Cleaned up %1 invalid BCD entries").arg(removed));
    return true;
}

bool BCDEditor::mountEfiPartition(const DiskInfo& disk, QString& letter)
{
    Logger::instance().info(QStringLiteral("Finding and mounting EFI partition on disk %1").arg(disk.diskNumber));
    const PartitionInfo* efi = nullptr;
    for (const PartitionInfo& p : disk.partitions) {
        if (p.isEfi) {
            efi = &p;
            break;
        }
    }
    if (!efi)
        return fail(QStringLiteral("EFI partition not found on target disk"));
    const QString chosen = BootPlatform::chooseFreeLetter(QLatin1Char('D'));
    if (chosen.isEmpty()) {
        m_lastError = QStringLiteral("No available drive letter for EFI partition");
        return false;
    }
    QString out;
    if (!runDiskpartScript(DiskpartScript::assignEfiLetter(disk.diskNumber, efi->partitionNumber, chosen), out))
        return fail(QStringLiteral("Failed to mount EFI partition: %1").arg(out));
    CommandRunner::current().sleepMs(EfiMountPauseMs);
    letter = chosen;
    Logger::instance().info(QStringLiteral("EFI partition mounted to %1:").arg(chosen));
    return true;
}

bool BCDEditor::unmountEfiPartition(const QString& letter)
{
    Logger::instance().info(QStringLiteral("Unmounting EFI partition %1:").arg(letter));
    const QString script = DiskpartScript::removeVolumeLetter(letter);
    if (script.isEmpty()) {
        Logger::instance().warning(QStringLiteral("Refusing to unmount invalid drive letter: %1").arg(letter));
        return true;
    }
    QString out;
    runDiskpartScript(script, out);
    return true;
}

bool BCDEditor::checkWindowsInstallation(const QString& windowsDir)
{
    static const char* const files[] = {"\\system32\\winload.exe", "\\system32\\winload.efi",
                                        "\\system32\\ntoskrnl.exe", "\\system32\\config\\SYSTEM"};
    for (const char* f : files) {
        const QString path = windowsDir + QLatin1String(f);
        if (BootPlatform::exists(path)) {
            Logger::instance().info(QStringLiteral("Found: %1").arg(path));
            return true;
        }
    }
    Logger::instance().warning(QStringLiteral("No critical Windows files found in %1").arg(windowsDir));
    return false;
}

bool BCDEditor::checkEfiBootManager(const QString& systemRoot)
{
    const QString path = systemRoot + (systemRoot.endsWith(QLatin1Char('\\')) ? QString() : QStringLiteral("\\"))
                         + QStringLiteral("EFI\\Microsoft\\Boot\\bootmgfw.efi");
    if (BootPlatform::exists(path)) {
        Logger::instance().info(QStringLiteral("Found EFI boot manager: %1").arg(path));
        return true;
    }
    Logger::instance().warning(QStringLiteral("EFI boot manager not found: %1").arg(path));
    return false;
}

bool BCDEditor::updateBootDevice(const QString& storePath, const QString& systemRoot, const QString& windowsRoot)
{
    Logger& log = Logger::instance();
    log.info(QStringLiteral("Updating boot device in %1: system=%2, windows=%3").arg(storePath, systemRoot, windowsRoot));
    if (!BootPlatform::exists(storePath))
        return fail(QStringLiteral("BCD file not found: %1").arg(storePath));
    const QString set = QStringLiteral("/set");
    QString out;
    if (!systemRoot.isEmpty()
        && !runBcdeditStore(storePath, {set, QStringLiteral("{bootmgr}"), QStringLiteral("device"), partitionArg(systemRoot)}, out))
        log.warning(QStringLiteral("Failed to update bootmgr device: %1").arg(out));
    if (windowsRoot.isEmpty())
        return true;
    if (!runBcdeditStore(storePath, {set, QStringLiteral("{default}"), QStringLiteral("device"), partitionArg(windowsRoot)}, out))
        log.warning(QStringLiteral("Failed to update default device: %1").arg(out));
    if (!runBcdeditStore(storePath, {set, QStringLiteral("{default}"), QStringLiteral("osdevice"), partitionArg(windowsRoot)}, out))
        log.warning(QStringLiteral("Failed to update osdevice: %1").arg(out));
    return true;
}
