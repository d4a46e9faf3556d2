#pragma once
#include <QString>
#include <QStringList>

// Runs a tool; the exit code, or -1 when it did not start. `output` gets standard output.
int runTool(const QString& program, const QStringList& arguments, QString* output = nullptr,
            const QByteArray& input = QByteArray());
bool haveTool(const QString& program);
bool isRoot();
// A sparse file of `bytes`.
bool makeSparseFile(const QString& path, qint64 bytes);

// Attaches an image to a loop device and detaches it again, whatever happens in between.
class LoopDevice {
public:
    LoopDevice(const QString& image, bool partitions, int sectorSize = 0);
    ~LoopDevice();
    LoopDevice(const LoopDevice&) = delete;
    LoopDevice& operator=(const LoopDevice&) = delete;
    bool ok() const { return !m_device.isEmpty(); }
    QString device() const { return m_device; }
    // "/dev/loop3p1" once udev/the kernel made it; waits a little for the node.
    QString partition(int number) const;
private:
    QString m_device;
};

// Mounts a device and unmounts it in the destructor.
class Mount {
public:
    Mount(const QString& device, const QString& directory, const QStringList& options = {},
          const QString& program = "mount");
    ~Mount();
    Mount(const Mount&) = delete;
    Mount& operator=(const Mount&) = delete;
    bool ok() const { return m_mounted; }
    void unmount();
private:
    QString m_directory;
    bool m_mounted = false;
};
