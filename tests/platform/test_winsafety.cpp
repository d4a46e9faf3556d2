// The target-safety rules of the clone session as Windows imposes them, through a fake Windows
// platform whose volume locks, system disks, disk numbering and file placement the tests control,
// and which records the order of the calls that matter.
#include "common/forwardingdevices.h"
#include "common/memoryplatform.h"
#include "core/diskidentity.h"
#include "core/diskio.h"
#include "core/diskmanager.h"
#include "core/qprocesscommandrunner.h"
#include "partition/partitionresizer.h"
#include "platformtools/toolrunner.h"

#include <QtTest>
#include <algorithm>
#include <map>

namespace {
constexpr uint64_t MiB = 1024 * 1024;
const std::string VolE = "\\\\?\\Volume{e}\\";   // on the target
const std::string VolS = "\\\\?\\Volume{s}\\";   // on the source

class FakeWindows : public ForwardingDevices {
public:
    explicit FakeWindows(MemoryPlatform& mp) : ForwardingDevices(mp), m_mp(mp) {}

    std::vector<std::string> log;          // "lock V", "flush D", "close D", "update D", "write D", ...
    std::map<std::string, int> lockFailures;   // volume path without its backslash -> failures left; -1: always
    std::vector<int> system;
    std::map<int, int> numbering;          // drive number as Windows gives it now -> memory disk
    std::map<std::string, int> fileDisks;  // image file -> the disk holding it

    std::string inner(const std::string& path) const
    {
        for (const auto& [shown, disk] : numbering)
            if (path == MemoryPlatform::diskPath(shown))
                return MemoryPlatform::diskPath(disk);
        return numbering.empty() || path.rfind("\\\\.\\PhysicalDrive", 0) != 0 ? path : std::string("\\\\.\\none");
    }
    std::unique_ptr<DeviceHandle> openDevice(const std::string& path, DeviceAccess access, DeviceFlags flags) override
    {
        return openVolume(path, access, flags);
    }
    std::unique_ptr<VolumeHandle> openVolume(const std::string& path, DeviceAccess access, DeviceFlags flags) override
    {
        auto h = m_inner.openVolume(inner(path), access, flags);
        return h ? std::make_unique<Logged>(std::move(h), *this, path) : nullptr;
    }
    std::vector<int> disksOfPath(const std::string& path) override
    {
        const auto it = fileDisks.find(path);
        return it != fileDisks.end() ? std::vector<int>{it->second} : PlatformDevices::disksOfPath(path);
    }
    std::vector<int> systemDiskNumbers() override { return system; }
    size_t indexOf(const std::string& entry) const
    {
        return size_t(std::find(log.begin(), log.end(), entry) - log.begin());
    }

private:
    class Logged : public ForwardingVolumeHandle {
    public:
        Logged(std::unique_ptr<VolumeHandle> h, FakeWindows& w, std::string path)
            : ForwardingVolumeHandle(std::move(h)), m_w(w), m_path(std::move(path)) {}
        ~Logged() override { m_w.log.push_back("close " + m_path); }
        bool writeAt(uint64_t offset, const void* buffer, uint64_t length, uint64_t& done) override
        {
            m_w.log.push_back("write " + m_path);
            return m_inner->writeAt(offset, buffer, length, done);
        }
        bool flush() override { return note("flush") && m_inner->flush(); }
        bool unlockVolume() override { return note("unlock") && m_inner->unlockVolume(); }
        bool dismountVolume() override { return note("dismount") && m_inner->dismountVolume(); }
        bool lockVolume() override
        {
            note("lock");
            auto it = m_w.lockFailures.find(m_path);
            if (it != m_w.lockFailures.end() && it->second != 0) {
                it->second -= it->second > 0 ? 1 : 0;
                Platform::setLastError(PlatformError::AccessDenied, "Access is denied.");
                return false;
            }
            return m_inner->lockVolume();
        }
        // Windows takes in the table as it now is on the disk when asked to re-read it.
        bool updateDiskProperties() override
        {
            note("update");
            const int disk = std::stoi(m_w.inner(m_path).substr(17));
            uint32_t signature = 0;
            QString guid;
            DiskIdentity::tableIdFromSectors(m_w.m_mp.data(disk), {}, signature, guid);
            m_w.m_mp.disk(disk).layout.mbrSignature = signature;
            return m_inner->updateDiskProperties();
        }
        std::string path() const override { return m_path; }
    private:
        bool note(const char* what) { m_w.log.push_back(std::string(what) + " " + m_path); return true; }
        FakeWindows& m_w;
        std::string m_path;
    };
    MemoryPlatform& m_mp;
};

// Counts the pauses between lock attempts and records the tools started.
class Tools : public CommandRunner {
public:
    QList<CommandRequest> started;
    int pauses = 0;
    CommandResult run(const CommandRequest& r) override
    {
        started << r;
        CommandResult ok;
        ok.started = ok.finished = true;
        ok.exitCode = 0;
        return ok;
    }
    void sleepMs(int) override { ++pauses; }
};

struct Rig {
    MemoryPlatform mp;
    FakeWindows win{mp};
    Tools tools;
    int src = mp.addDisk(8 * MiB);
    int dst = mp.addDisk(8 * MiB);
    ScopedPlatform memory{&mp};
    ScopedPlatform scope{PlatformParts{.devices = &win}};
    ScopedCommandRunner runner{&tools};
    Rig()
    {
        mp.disk(dst).serialNumber = "TARGET-1";
        mp.disk(dst).layout.style = LayoutStyle::MBR;
        mp.disk(dst).layout.mbrSignature = 0x11223344;
        mp.data(dst)[510] = 0x55;
        mp.data(dst)[511] = 0xAA;
        mp.addVolume(VolE, dst, 1 * MiB, 2 * MiB).mountPaths = {"E:\\"};
        mp.addVolume(VolS, src, 1 * MiB, 2 * MiB);
    }
    ~Rig() { DiskIdentity::forgetAll(); }
    DiskIdentity chosen() { DiskIdentity id; DiskIdentity::read(win.openDevice(MemoryPlatform::diskPath(dst), DeviceAccess::Read, DeviceFlags::None).get(), id); return id; }
    bool targetUntouched() { return mp.writes(dst).empty() && mp.volume(VolE).lockCount == 0; }
};
} // namespace

class WinSafetyTest : public QObject {
    Q_OBJECT
private slots:
    // A busy volume is dismounted and asked again; one that never locks keeps the whole target
    // closed, with the volume named, before anything was written.
    void busyTargetVolumes()
    {
        const std::string e = VolE.substr(0, VolE.size() - 1);
        struct Case { int failures; bool opens; int pauses; };
        for (const Case c : {Case{0, true, 0}, Case{1, true, 1}, Case{DiskSession::LockAttempts - 1, true, DiskSession::LockAttempts - 1},
                             Case{-1, false, DiskSession::LockAttempts - 1}}) {
            Rig rig;
            rig.win.lockFailures[e] = c.failures;
            DiskIO io;
            QVERIFY(io.openSourceDisk(rig.src));
            QCOMPARE(io.openTargetDisk(rig.dst), c.opens);
            QCOMPARE(rig.tools.pauses, c.pauses);
            if (c.failures != 0)
                QVERIFY(rig.win.indexOf("dismount " + e) < rig.win.indexOf("lock " + e) + 2);
            if (!c.opens) {
                QVERIFY2(io.lastError().contains(QStringLiteral("E:\\")), qPrintable(io.lastError()));
                QVERIFY(!io.hasTarget() && rig.targetUntouched());
                continue;
            }
            QCOMPARE(rig.mp.volume(VolE).lockCount, 1);
            QCOMPARE(rig.mp.volume(VolS).lockCount + rig.mp.volume(VolS).dismountCount, 0);
        }
    }

    // Source and target sharing a disk under any names, and the running system's disk, are refused
    // before the target is opened for writing.
    void overlappingOrSystemTargets()
    {
        struct Case { const char* source; const char* target; bool system; bool refused; };
        const Case cases[] = {
            {"\\\\.\\PhysicalDrive0", "\\\\?\\Volume{s}\\", false, true},   // a volume of the source disk
            {"\\\\?\\Volume{s}", "\\\\.\\PhysicalDrive0", false, true},      // the disk under the source volume
            {"D:\\disk.img", "\\\\.\\PhysicalDrive1", false, true},          // an image on the target disk
            {"\\\\.\\PhysicalDrive0", "\\\\.\\PhysicalDrive1", true, true},  // the target holds Windows
            {"\\\\.\\PhysicalDrive0", "\\\\.\\PhysicalDrive1", false, false},
        };
        for (const Case& c : cases) {
            Rig rig;
            rig.mp.addAlias("D:\\disk.img", rig.mp.addDisk(1 * MiB));
            rig.win.fileDisks["D:\\disk.img"] = rig.dst;
            if (c.system)
                rig.win.system = {rig.dst};
            DiskIO io;
            QVERIFY(io.openSource(QString::fromLatin1(c.source)));
            QCOMPARE(io.openTarget(QString::fromLatin1(c.target)), !c.refused);
            if (c.refused) {
                QVERIFY(rig.mp.volume(VolE).lockCount + rig.mp.volume(VolS).lockCount == 0);
                for (const auto& o : rig.mp.opens())
                    QVERIFY2(o.access != DeviceAccess::ReadWrite, o.path.c_str());
            }
        }
    }

    // The chosen disk is recognised by serial, size and table; any difference keeps it closed.
    void targetMustBeTheChosenDisk()
    {
        struct Case { const char* what; void (*change)(DiskIdentity&); bool opens; };
        const Case cases[] = {
            {"same", [](DiskIdentity&) {}, true},
            {"size", [](DiskIdentity& id) { id.size += 512; }, false},
            {"serial", [](DiskIdentity& id) { id.serialNumber = QStringLiteral("OTHER"); }, false},
            {"signature", [](DiskIdentity& id) { id.mbrSignature ^= 1; }, false},
            {"nothing recorded", [](DiskIdentity& id) { id = DiskIdentity(); }, true},
        };
        for (const Case& c : cases) {
            Rig rig;
            DiskIdentity id = rig.chosen();
            QVERIFY(id.serialNumber == QStringLiteral("TARGET-1") && id.mbrSignature == 0x11223344);
            c.change(id);
            DiskIdentity::expect(rig.dst, id);
            DiskIO io;
            QVERIFY2(io.openTargetDisk(rig.dst) == c.opens, c.what);
            QVERIFY(c.opens || rig.targetUntouched());
        }
    }

    // Writes reach the disk first; the table is re-read once, after the disk handle is closed and
    // before the volumes are let go. The clone's own new table does not make the disk a stranger.
    void tableReadAgainOnlyAtClose()
    {
        Rig rig;
        DiskIdentity::expect(rig.dst, rig.chosen());
        DiskIO io;
        QVERIFY(io.openSourceDisk(rig.src) && io.openTargetDisk(rig.dst));
        PartitionResizer resizer;
        QVERIFY(resizer.regenerateMbrSignature(io, 512));
        QVERIFY(!rig.mp.writes(rig.dst).empty() && rig.mp.disk(rig.dst).updatePropertiesCount == 0);
        rig.win.log.clear();
        io.closeTarget();
        const std::string d = MemoryPlatform::diskPath(rig.dst), e = VolE.substr(0, VolE.size() - 1);
        const std::vector<std::string> order{"flush " + d, "close " + d, "update " + d, "unlock " + e};
        for (size_t i = 0; i + 1 < order.size(); ++i)
            QVERIFY2(rig.win.indexOf(order[i]) < rig.win.indexOf(order[i + 1]) && rig.win.indexOf(order[i + 1]) < rig.win.log.size(),
                     order[i + 1].c_str());
        QCOMPARE(rig.mp.disk(rig.dst).updatePropertiesCount, 1);
        QVERIFY(io.openTargetDisk(rig.dst));
    }

    // A disk plugged in mid-run takes the target's number: neither the clone nor a tool script
    // that selects that number touches the newcomer; the disk under its new number is accepted.
    void diskPluggedInMidRun()
    {
        Rig rig;
        const QList<DiskInfo> disks = DiskManager::enumerateDisks();
        QVERIFY(disks.size() == 2 && disks[1].mbrSignature == 0x11223344);
        DiskIdentity::expect(1, DiskIdentity::of(disks[1]));
        const int newcomer = rig.mp.addDisk(8 * MiB);
        rig.win.numbering = {{0, rig.src}, {1, newcomer}, {2, rig.dst}};
        DiskIO io;
        QVERIFY(io.openSourceDisk(0) && !io.openTargetDisk(1));
        QVERIFY(!ToolRunner::runNamedScript(QStringLiteral("/t.txt"), QStringLiteral("select disk 1\nclean\n"), 1000).created);
        QVERIFY(rig.tools.started.isEmpty() && rig.mp.writes(newcomer).empty() && rig.mp.writes(rig.dst).empty());
        DiskIdentity::expect(2, DiskIdentity::of(disks[1]));
        QVERIFY(ToolRunner::runNamedScript(QStringLiteral("/t.txt"), QStringLiteral("sel dis 2\nclean\n"), 1000).created);
        QVERIFY(rig.tools.started.size() == 1 && io.openTargetDisk(2));
    }

    void toolScriptsAndPaths()
    {
        QCOMPARE(ToolRunner::selectedDisks(QStringLiteral("rescan\r\nSELECT DISK 3\r\nsel disk=12\nselect volume 4\n select disk 3\n")),
                 (QList<int>{3, 12}));
        const QString sys = QStringLiteral("C:\\Windows\\System32");
        QCOMPARE(QProcessCommandRunner::programPath(QStringLiteral("diskpart"), sys), sys + QStringLiteral("\\diskpart.exe"));
        QCOMPARE(QProcessCommandRunner::programPath(QStringLiteral("powershell"), sys),
                 sys + QStringLiteral("\\WindowsPowerShell\\v1.0\\powershell.exe"));
        QCOMPARE(QProcessCommandRunner::programPath(QStringLiteral("losetup"), QString()), QStringLiteral("losetup"));
    }
};

QTEST_GUILESS_MAIN(WinSafetyTest)
#include "test_winsafety.moc"
