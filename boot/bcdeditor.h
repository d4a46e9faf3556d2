#pragma once
#include "core/diskinfo.h"

#include <QObject>
#include <QString>
#include <QStringList>

// Creates, repairs and adjusts the boot configuration store of a Windows installation on
// another disk through bcdedit and bcdboot.
class BCDEditor : public QObject {
    Q_OBJECT
public:
    explicit BCDEditor(QObject* parent = nullptr);

    bool repairBoot(const QString& windowsRoot, int firmware, const QString& systemRoot);
    bool rebuildWithBcdboot(const QString& windowsDir, const QString& systemRoot, int firmware);
    bool createStoreManually(const QString& windowsRoot, const QString& systemRoot, int firmware);
    bool updateDevicePaths(const QString& storePath, const QString& windowsRoot, const QString& systemRoot);
    bool configurePortableMode(const QString& systemRoot);
    bool cleanInvalidEntries(const QString& systemRoot);
    bool mountEfiPartition(const DiskInfo& disk, QString& letter);
    bool unmountEfiPartition(const QString& letter);
    bool checkWindowsInstallation(const QString& windowsDir);
    bool checkEfiBootManager(const QString& systemRoot);
    // Points the copy's store at `systemRoot` (boot manager) and `windowsRoot` (loader); an empty
    // root leaves its entries alone.
    bool updateBootDevice(const QString& storePath, const QString& systemRoot, const QString& windowsRoot);
    static QString extractGuid(const QString& output);
    // Locale for bcdboot /l and bcdedit's locale: the running system's UI language ("de-de"),
    // "en-us" when it has no usable language-region form.
    static QString bootLocale();
    static QString bootLocaleFrom(const QStringList& uiLanguages);

    bool runBcdedit(const QStringList& arguments, QString& output);
    bool runBcdeditStore(const QString& storePath, const QStringList& arguments, QString& output);
    bool runBcdboot(const QStringList& arguments, QString& output);
    bool runDiskpartScript(const QString& script, QString& output);

    // Path rules shared with the boot repair of the clone strategies.
    static QString windowsDirectory(const QString& windowsRoot);
    static QString bcdStorePath(const QString& systemRoot, int firmware);
    // Identifiers of `/enum all /v` blocks whose device is unknown, in order, protected ones left out.
    static QStringList findInvalidEntries(const QString& enumOutput);

    QString lastError() const { return m_lastError; }

signals:
    void progressMessage(const QString& message);

private:
    bool fail(const QString& message);
    QString m_lastError;
};
