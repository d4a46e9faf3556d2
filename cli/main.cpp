#include "boot/bootabilitycheck.h"
#include "cli/clioptions.h"
#include "cli/clonerun.h"
#include "cli/disklisting.h"
#include "cli/dryrunplan.h"
#include "core/diskmanager.h"
#include "core/languagesetup.h"
#include "core/logger.h"
#include "modes/usedspace.h"
#include "platform/platform.h"
#include "tessarin_version.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <QTranslator>
#include <csignal>
#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#define isatty _isatty
#define STDIN_FILENO 0
#define STDOUT_FILENO 1
#else
#include <unistd.h>
#endif

namespace {
const char* const ProgramHelp = R"(Usage: tessarin-cli COMMAND [OPTIONS]

Clones disks, Windows systems and partitions with the engine of the Tessarin window.

Commands:
  list [--json]                       every disk with its partitions
  clone disk SRC DST                  the whole disk, every partition in place
  clone system SRC DST                the Windows installation's partitions, packed
  clone partition SRC:N DST           partition N onto DST, which is erased whole first
  clone partition SRC:N DST:free      partition N into DST's largest free region; DST's partitions stay
  clone partition SRC:N DST:M         partition N onto DST's partition M; its other partitions stay
  check DISK [--json]                 whether DISK can start: tables, boot code, volumes, loaders

SRC and DST are disk numbers from `list`, or the device or image paths that `list` shows.
`tessarin-cli COMMAND --help` describes a command.

Options:
  --help, -h      this help
  --version       the program's version

Exit codes:
  0  success
  1  the clone failed
  2  bad command line
  3  refused (validation, or confirmation not given): nothing was written
  4  cancelled (Ctrl-C, SIGINT or SIGTERM)
  5  completed, but unreadable source sectors were written as zeros

The log goes to the window's log folder; its path is printed at the end of a clone.
)";

const char* const ListHelp = R"(Usage: tessarin-cli list [--json]

Lists every disk: number, real path, model, size, logical sector size, table style, and each
partition: number, start sector and size in the disk's logical sectors, type, file system,
label, used space and roles (EFI, MSR, recovery, system, Windows).

  --json    one JSON array instead of the table
)";

const char* const CheckHelp = R"(Usage: tessarin-cli check DISK [--json]

Checks offline, reading only, whether DISK can start: GPT primary and backup sound and at the
disk's end and the protective MBR; on MBR disks boot code, exactly one active partition and a
0x55AA boot sector on each partition; every NTFS and FAT32 boot sector against its table entry
(hidden sectors, size); the EFI system partition's loader (EFI\Boot\bootx64.efi or
EFI\Microsoft\Boot\bootmgfw.efi); every device element of the boot store (BCD) naming a
partition of this disk with a file system that fits. One line per finding with its severity.

  --json    one JSON object: disk, path, passed, findings
Exit code 0 when no finding is an error, 1 otherwise.
)";

const char* const CloneHelp = R"(Usage: tessarin-cli clone disk SRC DST [OPTIONS]
       tessarin-cli clone system SRC DST [OPTIONS]
       tessarin-cli clone partition SRC:N DST|DST:free|DST:M [OPTIONS]

A partition clone onto DST erases the whole of DST, every partition on it; DST:free puts the copy
into DST's largest free region and DST:M onto its partition M, and both keep DST's other partitions.
Partition numbers are those `tessarin-cli list` shows.

Options:
  --smart / --no-smart        copy only the used clusters of NTFS and FAT32 volumes (default on)
  --sector-by-sector          copy every sector (turns smart copy off)
  --no-align-4k               do not align new partition starts
  --boot-mode uefi|legacy     system clone: boot mode of the target (default: the source's, legacy
                              for MBR, uefi for GPT); uefi moves an MBR (BIOS) source onto a new
                              GPT with its own EFI system partition
  --space keep|data|expand    system clone: the target's remaining space is left free, becomes a
                              data partition (default) or goes to the Windows partition
  --data-label TEXT           system clone: label of the data partition (default Data; at most
                              32 characters, no double quote or control character)
  --boot-repair / --no-boot-repair
                              repair the copy's boot configuration (default on for disk and
                              system clones, off for partition clones)
  --verify                    read every copied extent back and compare it with the source
  --continue-on-read-errors   write zeros for unreadable source sectors instead of stopping
  --live-source               read source volumes that are mounted read-write and cannot be
                              snapshotted as they change (the copy may be torn); without it
                              such a source is refused
  --resume                    go on with the interrupted clone of the same disks: its journal
                              (next to the log) must match the disks, the plan and the source;
                              what it lists as copied is skipped (and compared with --verify)
  --no-discard                keep the free space a smart copy leaves as it was on the target
                              (by default it is discarded: holes in an image file, a trim on
                              a disk that supports it)
  --dry-run                   print the plan and write nothing
  --yes, -y                   do not ask for the target's number to be typed back
  --json                      one JSON object per line: phases, progress, then the result

Without --yes the target is shown and its number must be typed back; a run without a terminal
and without --yes is refused. Exit codes: see `tessarin-cli --help`.
)";

void installStopHandlers()
{
#ifdef Q_OS_WIN
    SetConsoleCtrlHandler(
        [](DWORD type) -> BOOL {
            if (type != CTRL_C_EVENT && type != CTRL_BREAK_EVENT && type != CTRL_CLOSE_EVENT)
                return FALSE;
            CloneRun::requestCancel();
            return TRUE;
        },
        TRUE);
#else
    struct sigaction action = {};
    action.sa_handler = [](int) { CloneRun::requestCancel(); };
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
#endif
}

void printError(const QString& message) { std::fprintf(stderr, "tessarin-cli: %s\n", qUtf8Printable(message)); }

// What the run overwrites, and the request to type the disk's number back.
QString confirmationPrompt(const CloneConfig& config)
{
    using Target = CloneConfig::PartitionTarget;
    const DiskInfo& target = config.targetDisk;
    const bool partitionMode = config.mode == Tessarin::CloneModeType::PartitionClone;
    if (partitionMode && config.partitionTarget == Target::Partition)
        return CliOptions::tr("Everything on partition %1 of disk %2 (%3) will be overwritten; the disk's other partitions "
                              "stay. Type the disk number to continue: ")
            .arg(config.targetPartition.partitionNumber)
            .arg(target.diskNumber)
            .arg(target.realPath);
    if (partitionMode && config.partitionTarget == Target::FreeRegion)
        return CliOptions::tr("The copy goes into the largest free region of disk %1 (%2); its partitions stay. "
                              "Type the disk number to continue: ")
            .arg(target.diskNumber)
            .arg(target.realPath);
    return CliOptions::tr("Everything on disk %1 (%2) will be overwritten. Type the disk number to continue: ")
        .arg(target.diskNumber)
        .arg(target.realPath);
}

bool confirmed(const CloneConfig& config)
{
    const DiskInfo& target = config.targetDisk;
    if (!isatty(STDIN_FILENO)) {
        printError(CliOptions::tr("Refusing to overwrite disk %1 without --yes: there is no terminal to confirm on")
                       .arg(target.diskNumber));
        return false;
    }
    std::fputs(qUtf8Printable(DiskListing::describe(target)), stderr);
    std::fputs(qUtf8Printable(confirmationPrompt(config)), stderr);
    std::fflush(stderr);
    const QString answer = QTextStream(stdin).readLine().trimmed();
    if (answer == QString::number(target.diskNumber))
        return true;
    printError(CliOptions::tr("Not confirmed; nothing was written"));
    return false;
}

int runClone(const CliOptions& options)
{
    const CloneConfig& config = options.config;
    CloneRun run(config, options.json, isatty(STDOUT_FILENO));
    // The run's own checks and plan, so a refusal is known as one before anything is asked or written.
    QString refused;
    if (!run.plan(refused)) {
        printError(refused);
        return CliResult::Refused;
    }
    if (options.dryRun) {
        const DryRunPlan plan(run.currentPlan(), config);
        if (options.json) {
            CloneRun::printJson(plan.json());
            CloneRun::printJson(QJsonObject{{QStringLiteral("event"), QStringLiteral("result")},
                                            {QStringLiteral("success"), true},
                                            {QStringLiteral("exitCode"), 0},
                                            {QStringLiteral("dryRun"), true}});
        } else {
            std::fputs(qUtf8Printable(plan.text()), stdout);
        }
        return CliResult::Success;
    }
    if (!options.yes && !confirmed(config))
        return CliResult::Refused;
    installStopHandlers();
    return run.exec();
}

int runCheck(const CliOptions& options)
{
    const auto findings = BootabilityCheck::checkDisk(options.checkDisk);
    const bool passed = BootabilityCheck::passed(findings);
    const QString path = QString::fromStdString(Platform::devices().diskRealPath(options.checkDisk));
    if (options.json) {
        QJsonArray list;
        for (const auto& f : findings)
            list.append(QJsonObject{{QStringLiteral("severity"), BootabilityCheck::severityName(f.severity)},
                                    {QStringLiteral("text"), f.text}});
        const QJsonObject result{{QStringLiteral("disk"), options.checkDisk}, {QStringLiteral("path"), path},
                                 {QStringLiteral("passed"), passed}, {QStringLiteral("findings"), list}};
        std::printf("%s\n", QJsonDocument(result).toJson(QJsonDocument::Compact).constData());
    } else {
        std::printf("Disk %d (%s)\n", options.checkDisk, qUtf8Printable(path));
        for (const auto& f : findings)
            std::printf("%-7s %s\n", qUtf8Printable(BootabilityCheck::severityName(f.severity)), qUtf8Printable(f.text));
        std::printf("%s\n", passed ? "Result: no errors" : "Result: the disk will not start as it is");
    }
    return passed ? CliResult::Success : CliResult::Failed;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tessarin"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TESSARIN_VERSION_STRING));
    QCoreApplication::setOrganizationName(QStringLiteral("Tessarin"));
    static QTranslator translator;
    if (LanguageSetup::loadTranslation(translator, LanguageSetup::currentLanguage()))
        QCoreApplication::installTranslator(&translator);

    const QStringList arguments = app.arguments().mid(1);
    const CliOptions::Command command = CliOptions::commandOf(arguments);
    if (command == CliOptions::Command::Help || command == CliOptions::Command::Version) {
        const CliOptions options = CliOptions::parse(arguments, {});
        if (!options.error.isEmpty()) {
            printError(options.error);
            std::fputs(ProgramHelp, stderr);
            return CliResult::BadCommandLine;
        }
        if (command == CliOptions::Command::Version)
            std::printf("tessarin-cli %s\n", TESSARIN_VERSION_STRING);
        else
            std::fputs(options.helpTopic == QLatin1String("list")    ? ListHelp
                       : options.helpTopic == QLatin1String("clone") ? CloneHelp
                       : options.helpTopic == QLatin1String("check") ? CheckHelp
                                                                     : ProgramHelp,
                       stdout);
        return CliResult::Success;
    }

    // Standard output carries the listing, the progress and the JSON; the log lines go to the file only.
    Logger& log = Logger::instance();
    log.setConsoleEcho(false);
    log.init(logFilePath());
    log.info(QStringLiteral("tessarin-cli %1: %2").arg(QStringLiteral(TESSARIN_VERSION_STRING), arguments.join(QLatin1Char(' '))));
    Tessarin::registerMetaTypes();

    DiskManager::setUsageReader(&UsedSpace::measure);
    const QList<DiskInfo> disks = DiskManager::enumerateDisks();
    const CliOptions options = CliOptions::parse(arguments, disks);
    if (!options.error.isEmpty()) {
        printError(options.error);
        return CliResult::BadCommandLine;
    }
    switch (options.command) {
    case CliOptions::Command::List:
        if (options.json)
            std::printf("%s\n", QJsonDocument(DiskListing::json(disks)).toJson(QJsonDocument::Indented).constData());
        else
            std::fputs(qUtf8Printable(DiskListing::text(disks)), stdout);
        return CliResult::Success;
    case CliOptions::Command::Clone:
        return runClone(options);
    case CliOptions::Command::Check:
        return runCheck(options);
    case CliOptions::Command::Help:
    case CliOptions::Command::Version:
        break;
    }
    return CliResult::BadCommandLine;
}
