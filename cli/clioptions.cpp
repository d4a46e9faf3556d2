#include "cli/clioptions.h"

#include "modes/datapartitionlabel.h"

#include <QFileInfo>
#include <QHash>
#include <optional>

namespace {
std::optional<Tessarin::ResizeMode> spaceMode(const QString& word)
{
    if (word == QLatin1String("keep"))
        return Tessarin::ResizeMode::KeepOnly;
    if (word == QLatin1String("data"))
        return Tessarin::ResizeMode::KeepAndCreateData;
    if (word == QLatin1String("expand"))
        return Tessarin::ResizeMode::ExpandSystem;
    return std::nullopt;
}
} // namespace

CliOptions::Command CliOptions::commandOf(const QStringList& arguments)
{
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h")))
        return Command::Help;
    if (arguments.value(0) == QLatin1String("--version"))
        return Command::Version;
    if (arguments.value(0) == QLatin1String("list"))
        return Command::List;
    if (arguments.value(0) == QLatin1String("clone"))
        return Command::Clone;
    if (arguments.value(0) == QLatin1String("check"))
        return Command::Check;
    return Command::Help;
}

const DiskInfo* CliOptions::findDisk(const QString& text, const QList<DiskInfo>& disks)
{
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    const QString canonical = QFileInfo(text).canonicalFilePath();
    for (const DiskInfo& d : disks) {
        if (isNumber ? d.diskNumber == number
                     : (text == d.realPath || text.compare(d.devicePath, Qt::CaseInsensitive) == 0
                        || (!canonical.isEmpty() && canonical == QFileInfo(d.realPath).canonicalFilePath())))
            return &d;
    }
    return nullptr;
}

CliOptions CliOptions::parse(const QStringList& arguments, const QList<DiskInfo>& disks)
{
    CliOptions o;
    o.command = commandOf(arguments);
    const QString word = arguments.value(0);
    switch (o.command) {
    case Command::Help:
        if (!arguments.contains(QLatin1String("--help")) && !arguments.contains(QLatin1String("-h")))
            o.error = word.isEmpty() ? tr("No command given; see --help") : tr("Unknown command: %1").arg(word);
        else if (word == QLatin1String("list") || word == QLatin1String("clone") || word == QLatin1String("check"))
            o.helpTopic = word;
        break;
    case Command::Version:
        break;
    case Command::List:
        for (const QString& a : arguments.mid(1)) {
            if (a == QLatin1String("--json"))
                o.json = true;
            else if (o.error.isEmpty())
                o.error = tr("Unknown option: %1").arg(a);
        }
        break;
    case Command::Clone:
        o.parseClone(arguments.mid(1), disks);
        break;
    case Command::Check:
        for (const QString& a : arguments.mid(1)) {
            if (!o.error.isEmpty())
                break;
            if (a == QLatin1String("--json")) {
                o.json = true;
            } else if (a.startsWith(QLatin1String("--")) || o.checkDisk >= 0) {
                o.error = tr("Unknown option: %1").arg(a);
            } else if (const DiskInfo* d = findDisk(a, disks)) {
                o.checkDisk = d->diskNumber;
            } else {
                o.error = tr("No listed disk is %1").arg(a);
            }
        }
        if (o.error.isEmpty() && o.checkDisk < 0)
            o.error = tr("Name the disk to check");
        break;
    }
    return o;
}

void CliOptions::parseClone(const QStringList& arguments, const QList<DiskInfo>& disks)
{
    using Mode = Tessarin::CloneModeType;
    static const QHash<QString, Mode> modes{{QStringLiteral("disk"), Mode::DiskClone},
                                            {QStringLiteral("system"), Mode::SystemClone},
                                            {QStringLiteral("partition"), Mode::PartitionClone}};
    const QString modeWord = arguments.value(0);
    if (!modes.contains(modeWord)) {
        error = tr("Unknown clone mode: %1 (disk, system or partition)").arg(modeWord);
        return;
    }
    config.mode = modes.value(modeWord);
    const bool system = config.mode == Mode::SystemClone;

    QStringList positional;
    std::optional<bool> smart, bootRepair;
    bool bootModeGiven = false;
    bool systemOnly = false;
    for (int i = 1; i < arguments.size() && error.isEmpty(); ++i) {
        QString a = arguments[i];
        QString value;
        const bool takesValue = a.startsWith(QLatin1String("--boot-mode")) || a.startsWith(QLatin1String("--space"))
            || a.startsWith(QLatin1String("--data-label"));
        if (takesValue) {
            const qsizetype eq = a.indexOf(QLatin1Char('='));
            if (eq > 0) {
                value = a.mid(eq + 1);
                a = a.left(eq);
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                error = tr("Option %1 needs a value").arg(a);
                break;
            }
            systemOnly = true;
        }
        if (a == QLatin1String("--smart") || a == QLatin1String("--no-smart"))
            smart = a == QLatin1String("--smart");
        else if (a == QLatin1String("--sector-by-sector"))
            config.sectorBySector = true;
        else if (a == QLatin1String("--no-align-4k"))
            config.align4K = false;
        else if (a == QLatin1String("--boot-repair") || a == QLatin1String("--no-boot-repair"))
            bootRepair = a == QLatin1String("--boot-repair");
        else if (a == QLatin1String("--verify"))
            config.verify = true;
        else if (a == QLatin1String("--continue-on-read-errors"))
            config.continueOnReadErrors = true;
        else if (a == QLatin1String("--live-source"))
            config.allowLiveSource = true;
        else if (a == QLatin1String("--resume"))
            config.resume = true;
        else if (a == QLatin1String("--no-discard"))
            config.discardFreeSpace = false;
        else if (a == QLatin1String("--dry-run"))
            dryRun = true;
        else if (a == QLatin1String("--yes") || a == QLatin1String("-y"))
            yes = true;
        else if (a == QLatin1String("--json"))
            json = true;
        else if (a == QLatin1String("--boot-mode") && (value == QLatin1String("uefi") || value == QLatin1String("legacy"))) {
            config.targetBootMode = value == QLatin1String("uefi") ? Tessarin::TargetBootMode::Uefi
                                                                   : Tessarin::TargetBootMode::Legacy;
            bootModeGiven = true;
        }
        else if (a == QLatin1String("--space") && spaceMode(value))
            config.resizeMode = *spaceMode(value);
        else if (a == QLatin1String("--data-label"))
            takeDataLabel(value);
        else if (takesValue)
            error = tr("Invalid value for %1: %2").arg(a, value);
        else if (a.startsWith(QLatin1Char('-')) && a.size() > 1)
            error = tr("Unknown option: %1").arg(a);
        else
            positional << a;
    }
    if (!error.isEmpty())
        return;
    if (systemOnly && !system) {
        error = tr("--boot-mode, --space and --data-label apply to system clones only");
        return;
    }
    // The window's copy options: sector by sector and smart copy exclude each other.
    if (config.sectorBySector && smart.value_or(false)) {
        error = tr("--smart and --sector-by-sector exclude each other");
        return;
    }
    config.smartClone = smart.value_or(!config.sectorBySector);
    config.fixBoot = bootRepair.value_or(config.mode != Mode::PartitionClone);
    if (positional.size() != 2) {
        error = tr("A clone needs a source and a target");
        return;
    }
    if (!takeDisks(positional[0], positional[1], disks))
        return;
    if (system && !bootModeGiven)
        config.targetBootMode = CloneConfig::bootModeOf(config.sourceDisk);
    if (!system) {
        // Only the system clone uses these; the window leaves them at their defaults elsewhere.
        const CloneConfig defaults;
        config.targetBootMode = defaults.targetBootMode;
        config.resizeMode = defaults.resizeMode;
        config.dataPartitionLabel = defaults.dataPartitionLabel;
    }
}

void CliOptions::takeDataLabel(const QString& value)
{
    // The window's rule: a label diskpart or mkntfs cannot take would leave the data partition unformatted.
    config.dataPartitionLabel = DataPartitionLabel::normalized(value);
    const QString problem = DataPartitionLabel::problem(config.dataPartitionLabel);
    if (!problem.isEmpty())
        error = tr("Invalid value for --data-label: %1").arg(problem);
}

bool CliOptions::diskPart(const QString& text, bool isTarget, const QList<DiskInfo>& disks, DiskPart& out)
{
    out = {findDisk(text, disks), NoPartition};
    if (out.disk)
        return true;
    // Only text behind a colon that follows a listed disk names a partition, so a path with a colon stays a path.
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    out.disk = colon > 0 ? findDisk(text.left(colon), disks) : nullptr;
    if (!out.disk) {
        error = tr("No listed disk is %1").arg(text);
        return false;
    }
    const QString after = text.mid(colon + 1);
    bool ok = false;
    out.partition = after.toInt(&ok);
    if (isTarget && after == QLatin1String("free")) {
        out.partition = FreeSpace;
    } else if (!ok || out.partition < 1 || after.startsWith(QLatin1Char('+'))) {
        error = tr("%1 does not name a partition: after the colon comes a partition number (1 or more), or free for "
                   "the target").arg(text);
        return false;
    }
    return true;
}

bool CliOptions::takeDisks(const QString& source, const QString& target, const QList<DiskInfo>& disks)
{
    using Target = CloneConfig::PartitionTarget;
    const bool partitionMode = config.mode == Tessarin::CloneModeType::PartitionClone;
    DiskPart from, to;
    if (!diskPart(source, false, disks, from) || !diskPart(target, true, disks, to))
        return false;
    if (partitionMode ? from.partition == NoPartition : (from.partition != NoPartition || to.partition != NoPartition)) {
        error = partitionMode ? tr("A partition clone names its source as DISK:PARTITION")
                              : tr("Partition numbers apply to partition clones only");
        return false;
    }
    config.targetDisk = *to.disk;
    if (!partitionMode) {
        config.sourceDisk = *from.disk;
        return true;
    }
    const auto partition = [](const DiskInfo& disk, int number) -> const PartitionInfo* {
        for (const PartitionInfo& p : disk.partitions)
            if (p.partitionNumber == number)
                return &p;
        return nullptr;
    };
    const PartitionInfo* sourcePartition = partition(*from.disk, from.partition);
    const PartitionInfo* targetPartition = to.partition > 0 ? partition(*to.disk, to.partition) : nullptr;
    if (!sourcePartition || (to.partition > 0 && !targetPartition)) {
        error = tr("Disk %1 has no partition %2")
                    .arg(sourcePartition ? to.disk->diskNumber : from.disk->diskNumber)
                    .arg(sourcePartition ? to.partition : from.partition);
        return false;
    }
    config.sourcePartition = *sourcePartition;
    config.partitionTarget = to.partition == NoPartition ? Target::WholeDisk
        : to.partition == FreeSpace                      ? Target::FreeRegion
                                                         : Target::Partition;
    if (targetPartition)
        config.targetPartition = *targetPartition;
    return true;
}
