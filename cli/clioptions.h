#pragma once
#include "core/cloneconfig.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>

// What one command line asks for. Pure: the arguments and the enumerated disks in, the command
// and the clone request out, built as the window builds it for the same choices.
class CliOptions {
    Q_DECLARE_TR_FUNCTIONS(CliOptions)
public:
    enum class Command { Help, Version, List, Clone, Check };

    Command command = Command::Help;
    QString helpTopic;  // the command whose help was asked for; empty for the program's
    bool json = false;
    bool dryRun = false;
    bool yes = false;
    CloneConfig config;
    int checkDisk = -1;  // the disk `check` looks at
    // Set when the command line is wrong; everything else is then meaningless.
    QString error;

    // The command word alone, so that disks are enumerated only for commands that need them.
    static Command commandOf(const QStringList& arguments);
    // `arguments` without the program name.
    static CliOptions parse(const QStringList& arguments, const QList<DiskInfo>& disks);
    // The listed disk that `text` names: its number, its real path or its Windows device path.
    static const DiskInfo* findDisk(const QString& text, const QList<DiskInfo>& disks);

private:
    void parseClone(const QStringList& arguments, const QList<DiskInfo>& disks);
    void takeDataLabel(const QString& value);
    bool takeDisks(const QString& source, const QString& target, const QList<DiskInfo>& disks);
    // A disk, DISK:N, or for the target also DISK:free.
    static constexpr int NoPartition = 0;
    static constexpr int FreeSpace = -1;
    struct DiskPart {
        const DiskInfo* disk = nullptr;
        int partition = NoPartition;
    };
    bool diskPart(const QString& text, bool isTarget, const QList<DiskInfo>& disks, DiskPart& out);
};
