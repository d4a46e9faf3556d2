#include "scriptedplatform.h"

#include <QFile>
#include <QFileInfo>

namespace {
// Image-file disk; enough of a device for sector-0 work.
class ImageHandle : public DeviceHandle {
public:
    ImageHandle(const QString& file, bool writable, const std::string& path) : m_file(file), m_path(path)
    {
        m_ok = m_file.open(writable ? QIODevice::ReadWrite : QIODevice::ReadOnly);
    }
    bool ok() const { return m_ok; }
    bool readAt(uint64_t offset, void* buffer, uint64_t length, uint64_t& done) override
    {
        if (!m_file.seek(qint64(offset)))
            return Platform::setLastError(PlatformError::IoDevice, "seek failed"), false;
        const qint64 n = m_file.read(static_cast<char*>(buffer), qint64(length));
        done = n < 0 ? 0 : uint64_t(n);
        return n >= 0;
    }
    bool writeAt(uint64_t offset, const void* buffer, uint64_t length, uint64_t& done) override
    {
        if (!m_file.seek(qint64(offset)))
            return false;
        const qint64 n = m_file.write(static_cast<const char*>(buffer), qint64(length));
        done = n < 0 ? 0 : uint64_t(n);
        return n == qint64(length);
    }
    bool flush() override { return m_file.flush(); }
    bool geometry(PlatformGeometry& out) override
    {
        out.diskSize = m_file.size();
        out.bytesPerSector = 512;
        out.tracksPerCylinder = 255;
        out.sectorsPerTrack = 63;
        out.cylinders = out.diskSize / (512 * 255 * 63);
        return true;
    }
    bool accessAlignment(PlatformAccessAlignment& out) override
    {
        out.bytesPerLogicalSector = 512;
        out.bytesPerPhysicalSector = 512;
        return true;
    }
    bool deviceDescriptor(PlatformDeviceDescriptor&) override { return false; }
    bool seekPenalty(bool&) override { return false; }
    bool driveLayout(PlatformDriveLayout&) override { return false; }
    bool updateDiskProperties() override { return true; }
    bool volumeDiskExtents(std::vector<PlatformExtent>&) override { return false; }
    bool lockVolume() override { return false; }
    bool unlockVolume() override { return false; }
    bool dismountVolume() override { return false; }
    bool allowExtendedAccess() override { return false; }
    bool ntfsVolumeData(PlatformNtfsVolumeData&) override { return false; }
    bool volumeBitmap(int64_t, PlatformVolumeBitmap&) override { return false; }
    std::string path() const override { return m_path; }

private:
    QFile m_file;
    std::string m_path;
    bool m_ok = false;
};
}

QString ScriptedPlatform::key(const QString& path)
{
    QString k = path.toLower();
    k.replace(QLatin1Char('/'), QLatin1Char('\\'));
    while (k.endsWith(QLatin1Char('\\')))
        k.chop(1);
    return k;
}

void ScriptedPlatform::addFile(const QString& path) { m_files.insert(key(path)); }
void ScriptedPlatform::removeFile(const QString& path) { m_files.remove(key(path)); }
void ScriptedPlatform::removeUnder(const QString& prefix)
{
    const QString k = key(prefix);
    for (auto it = m_files.begin(); it != m_files.end();) {
        if (it->startsWith(k))
            it = m_files.erase(it);
        else
            ++it;
    }
}

bool ScriptedPlatform::hasFile(const QString& path) const { return m_files.contains(key(path)); }

void ScriptedPlatform::setDword(const QString& k, const QString& name, uint32_t value)
{
    registryValues.insert(k + QLatin1Char('|') + name,
                          {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)});
}

std::unique_ptr<DeviceHandle> ScriptedPlatform::openDevice(const std::string& path, DeviceAccess access, DeviceFlags)
{
    ++deviceOpens;
    const QString p = QString::fromStdString(path);
    const QString prefix = QStringLiteral("\\\\.\\PhysicalDrive");
    if (p.startsWith(prefix)) {
        const int n = p.mid(prefix.size()).toInt();
        if (diskImages.contains(n)) {
            auto h = std::make_unique<ImageHandle>(diskImages.value(n), access == DeviceAccess::ReadWrite, path);
            if (h->ok())
                return h;
        }
    }
    setLastError(PlatformError::FileNotFound, "The system cannot find the file specified.");
    return nullptr;
}

std::string ScriptedPlatform::diskRealPath(int diskNumber) { return diskImages.value(diskNumber).toStdString(); }

std::string ScriptedPlatform::volumeNameForMountPoint(const std::string& mountPoint)
{
    return volumeNames.value(QString::fromStdString(mountPoint)).toStdString();
}

bool ScriptedPlatform::fileExists(const std::string& path) { return hasFile(QString::fromStdString(path)); }

bool ScriptedPlatform::createDirectory(const std::string& path)
{
    const QString p = QString::fromStdString(path);
    if (hasFile(p)) {
        setLastError(PlatformError::AlreadyExists, "Cannot create a file when that file already exists.");
        return false;
    }
    addFile(p);
    return true;
}

bool ScriptedPlatform::copyFile(const std::string& from, const std::string& to, bool failIfExists)
{
    const QString f = QString::fromStdString(from), t = QString::fromStdString(to);
    if (failCopy || !hasFile(f) || (failIfExists && hasFile(t))) {
        setLastError(failCopy ? PlatformError::AccessDenied : PlatformError::FileNotFound, "copy failed");
        return false;
    }
    copies.append(f + QStringLiteral(" -> ") + t);
    addFile(t);
    return true;
}

bool ScriptedPlatform::deleteFile(const std::string& path)
{
    const QString p = QString::fromStdString(path);
    deletions.append(p);
    if (!hasFile(p)) {
        setLastError(PlatformError::FileNotFound, "not found");
        return false;
    }
    removeFile(p);
    return true;
}

bool ScriptedPlatform::setFileAttributesNormal(const std::string& path)
{
    normalized.append(QString::fromStdString(path));
    return true;
}

uint32_t ScriptedPlatform::logicalDrives()
{
    uint32_t mask = 0;
    for (QChar c : usedLetters)
        mask |= 1u << (c.toUpper().unicode() - 'A');
    return mask;
}

uint32_t ScriptedPlatform::driveType(const std::string& rootPath)
{
    const QString r = QString::fromStdString(rootPath);
    if (r.isEmpty())
        return 1;
    return usedLetters.contains(r.at(0).toUpper()) ? 3 : 1;
}

bool ScriptedPlatform::firmwareType(uint32_t& type)
{
    if (!firmwareCallOk) {
        setLastError(PlatformError::CallNotImplemented, "not implemented");
        return false;
    }
    type = firmware;
    return true;
}

bool ScriptedPlatform::registryKeyExists(const std::string& subKey)
{
    return registryKeys.contains(QString::fromStdString(subKey).toLower());
}

bool ScriptedPlatform::registryReadValue(const std::string& subKey, const std::string& valueName,
                                         std::vector<uint8_t>& data, uint32_t& type)
{
    const QString k = QString::fromStdString(subKey).toLower() + QLatin1Char('|') + QString::fromStdString(valueName);
    for (auto it = registryValues.cbegin(); it != registryValues.cend(); ++it) {
        if (it.key().toLower() == k.toLower()) {
            data = it.value();
            type = data.size() == 4 ? 4 : 3;
            return true;
        }
    }
    setLastError(PlatformError::FileNotFound, "value not found");
    return false;
}

uint32_t ScriptedPlatform::registryEnumSubKeys(const std::string& subKey, std::vector<std::string>& names)
{
    const QString k = QString::fromStdString(subKey).toLower();
    if (!registryKeys.contains(k))
        return PlatformError::FileNotFound;
    for (const QString& n : registrySubKeys.value(k))
        names.push_back(n.toStdString());
    return enumStatus;
}
