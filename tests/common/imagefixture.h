#pragma once
// Real-tool fixtures shared by the test folders: run a tool, sparse images, loop devices and
// mounts that are always undone, and skip reasons when root or a tool is missing.
#include "common/imagefiles.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

struct ToolRun {
    int code = -1;  // -1 when the tool did not start, crashed or timed out
    QString out;    // standard output and error together
};

// The same, with standard output and error apart, for tools whose output is parsed.
struct ToolRunSplit {
    int code = -1;
    QString out;
    QString err;
};

ToolRunSplit runSplit(const QString& program, const QStringList& arguments, int timeoutMs = 180000);

ToolRun runCaptured(const QString& program, const QStringList& arguments, const QByteArray& input = {},
                    int timeoutMs = 180000);
// The exit code, or -1; `output` gets standard output and error.
int runTool(const QString& program, const QStringList& arguments, QString* output = nullptr,
            const QByteArray& input = {});
bool haveTool(const QString& program);
bool isRoot();
// Empty when everything is there, else why a test has to skip.
QString missingRequirement(const QStringList& tools, bool needRoot = false, bool needFuse = false);

// `to` becomes a copy of `from` with the same holes, written in place (a loop device over `to` stays valid).
bool copySparse(const QString& from, const QString& to);
// `sfdisk` fed with `script`; `sgdisk` with `arguments` then the image (every sgdisk write syncs the
// machine and sleeps a second: sfdisk is the quicker builder).
bool sfdiskScript(const QString& image, const QString& script);
bool sgdiskRun(const QString& image, const QStringList& arguments);
bool makeNtfs(const QString& target, const QStringList& extra = {});
bool makeFat32(const QString& target, const QStringList& extra = {});

// Attaches an image to a loop device and detaches it in the destructor, whatever happens. The
// destructor returns once the kernel has really let go (ntfs-3g releases a device a moment after
// umount returns, and a loop number reused too early would take the next test's writes).
class LoopDevice {
public:
    LoopDevice(const QString& image, bool partitions, int sectorSize = 0, qint64 offset = 0, qint64 sizeLimit = 0);
    ~LoopDevice();
    LoopDevice(const LoopDevice&) = delete;
    LoopDevice& operator=(const LoopDevice&) = delete;
    bool ok() const { return !m_device.isEmpty(); }
    QString device() const { return m_device; }
    QString error() const { return m_error; }  // losetup's words when attaching failed
    // "/dev/loop3p1" once the kernel made it; waits a little for the node.
    QString partition(int number) const;
private:
    QString m_device;
    QString m_error;
    QString m_image;  // canonical path, as losetup reports the backing file
};

// Mounts a device (creating the folder) and unmounts it in the destructor.
class Mount {
public:
    Mount(const QString& device, const QString& directory, const QStringList& options = {},
          const QString& program = QStringLiteral("mount"));
    ~Mount();
    Mount(const Mount&) = delete;
    Mount& operator=(const Mount&) = delete;
    bool ok() const { return m_mounted; }
    QString point() const { return m_directory; }
    QString error() const { return m_error; }
    void unmount();
private:
    QString m_directory;
    QString m_error;
    bool m_mounted = false;
};
