#pragma once
// Enums, constants and helpers shared by every subsystem.
#include <QMetaType>
#include <QString>
#include <QUuid>
#include <cstdint>

namespace Tessarin {

enum CloneStatus : int {
    Idle = 0,
    Preparing = 1,
    CloningData = 2,
    RepairingBoot = 3,
    Verifying = 4,
    Completed = 5,
    Failed = 6,
    Cancelled = 7,
};

enum class CloneModeType : int { DiskClone = 0, SystemClone = 1, PartitionClone = 2 };
enum class TargetBootMode : int { Uefi = 0, Legacy = 1 };
enum class FileSystemType : int { Unknown = 0, NTFS = 1, FAT32 = 2, FAT = 3, exFAT = 4 };
enum class PartitionStyle : int { Unknown = 0, MBR = 1, GPT = 2 };
// Also reachable as SystemCloneMode::ResizeMode; registered under that name.
enum class ResizeMode : int { ExpandSystem = 0, KeepAndCreateData = 1, KeepOnly = 2 };

// Partition type GUIDs (without braces); every other form of them is made from these.
inline constexpr const char* EfiTypeText = "C12A7328-F81F-11D2-BA4B-00A0C93EC93B";
inline constexpr const char* RecoveryTypeText = "DE94BBA4-06D1-4D40-A16A-BFD50179D6AC";
inline constexpr const char* MsrTypeText = "E3C9E316-0B5C-4DB8-817D-F92DF00215AE";
inline constexpr const char* BasicDataTypeText = "EBD0A0A2-B9E5-4433-87C0-68B6B72699C7";
inline constexpr const char* LinuxDataTypeText = "0FC63DAF-8483-4772-8E79-3D69D8477DE4";
inline const QUuid basicDataPartitionType{QLatin1StringView(BasicDataTypeText)};
inline const QUuid efiSystemPartitionType{QLatin1StringView(EfiTypeText)};
// True when `typeGuid`, in any case and with or without braces, is the type `typeText` names.
bool isPartitionType(const QString& typeGuid, const char* typeText);

// Powers of 1024: "B", "KB", "MB", "GB", "TB".
QString formatSize(uint64_t bytes, int decimals = 2);

// Display text of a status.
QString statusText(CloneStatus status);
QString statusText(int status);

// Display text of a resize mode; empty for unknown values.
QString resizeModeEngineText(ResizeMode mode);

// "\\.\PhysicalDrive%1"
QString physicalDrivePath(int diskNumber);

// Registers every record and enum with the meta-type system (idempotent).
void registerMetaTypes();

} // namespace Tessarin

Q_DECLARE_METATYPE(Tessarin::CloneStatus)
Q_DECLARE_METATYPE(Tessarin::ResizeMode)
