#pragma once
#include <QObject>
#include <QString>
#include <QStringList>

// Edits a cloned Windows installation's SYSTEM hive while it is offline: boot-start storage
// drivers in every control set, SAN policy, portable flag, forgotten drive letters.
// Phase texts are translated in the context of the clone strategy that relays them.
class RegistryHive;

class OfflineRegistry : public QObject {
    Q_OBJECT
public:
    static constexpr int StaleUnloadMs = 5000;
    static constexpr int LoadMs = 30000;
    static constexpr int AddMs = 10000;
    static constexpr int QueryMs = 5000;
    static constexpr int DeleteMs = 5000;
    static constexpr int MigrationQueryMs = 3000;
    static constexpr int MigrationDriverAddMs = 5000;
    static constexpr int MigrationUnloadMs = 10000;

    explicit OfflineRegistry(QObject* parent = nullptr);

    static const QStringList& diskCloneServices();
    static const QStringList& systemCloneServices();
    static QString hiveFile(const QString& windowsLetter);
    // "ControlSet" + n in three digits; empty for 0.
    static QString controlSetName(uint32_t number);

    // Control sets of a hive loaded at HKLM\<hiveSubKey>: Select-derived first, then the rest.
    static QStringList enumerateOfflineControlSets(const QString& hiveSubKey);

    // Disk-clone variant; false with lastError when the hive is missing or cannot be (un)loaded.
    bool configurePortableUsbBoot(const QString& windowsLetter);
    // System-clone variant; never fails the caller.
    void configureForMigration(const QString& windowsLetter);

    // The same edits on a SYSTEM hive file, for hosts without reg: every control set gets the SAN
    // policy, the portable flag and `services` starting at boot (with `resetOverrides`, their old
    // StartOverride values go), and MountedDevices is removed. Commits; false with lastError.
    bool editHive(RegistryHive& hive, const QStringList& services, bool resetOverrides);
    // Control sets of a hive file: Select-derived first, then the rest.
    static QStringList hiveControlSets(RegistryHive& hive);

    QString lastError() const { return m_lastError; }

signals:
    void phaseChanged(const QString& phase);

private:
    static QStringList controlSetsOrFallback(const QString& hiveSubKey);
    // editHive on the hive file where it lies, through the platform's hive editor; false with
    // `opened` false when this machine has none for the file, and reg does the work.
    bool editInPlace(const QString& hiveFile, const QStringList& services, bool resetOverrides, bool& opened);
    QString m_lastError;
};
