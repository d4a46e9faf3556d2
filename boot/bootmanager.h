#pragma once
#include "core/diskinfo.h"

#include <QObject>
#include <QString>

class MBRHandler;
class EFIHandler;
class BCDEditor;

// Repairs the boot path of a disk after a clone: MBR code and active flag on BIOS, the EFI
// system partition on UEFI, then the running system's boot entries.
class BootManager : public QObject {
    Q_OBJECT
public:
    static constexpr int LegacyBios = 1;
    static constexpr int Uefi = 2;

    explicit BootManager(QObject* parent = nullptr);

    int detectFirmwareType();
    // Repairs the disk as its table is now: `disk` only names it, since a record taken before the
    // copy lists the volumes the disk held then.
    bool fixBoot(const DiskInfo& disk, int firmware);
    // The disk `diskNumber` as the machine lists it now; false when it is not listed.
    static bool readBack(int diskNumber, DiskInfo& disk);
    bool repairMbrBoot(const DiskInfo& disk);
    bool repairUefiBoot(const DiskInfo& disk);

    MBRHandler* mbrHandler() const { return m_mbr; }
    EFIHandler* efiHandler() const { return m_efi; }
    BCDEditor* bcdEditor() const { return m_bcd; }
    QString lastError() const { return m_lastError; }

signals:
    void progressChanged(const QString& status);
    void error(const QString& message);

private:
    bool failWith(const QString& message);
    void updateBcd(const DiskInfo& disk, bool uefi);
    bool verifyBoot(const DiskInfo& disk);

    MBRHandler* m_mbr;
    EFIHandler* m_efi;
    BCDEditor* m_bcd;
    QString m_lastError;
};
