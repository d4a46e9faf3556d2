// Offline boot-store and SYSTEM hive edits: the device element codec from its published layout,
// hive files made and read back with the hivex tools, and the whole repair on a disk image.
#include "boot/offlinebcdstore.h"
#include "boot/offlinebootrepair.h"
#include "boot/offlineregistry.h"
#include "boot/volumefileaccess.h"
#include "ondisk/byteorder.h"
#include "common/hivefixture.h"
#include "common/imagefixture.h"
#include "common/scriptedcommandrunner.h"
#include "platform/platform.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {
using Identity = BcdDeviceElement::Identity;
using namespace hivefixture;

QByteArray guid(char fill) { return QByteArray(16, fill); }
std::vector<uint8_t> bytes(const QByteArray& b) { return {b.begin(), b.end()}; }
Identity gptId(char disk, char part)
{
    Identity id;
    id.gpt = true;
    id.diskGuid.fill(uint8_t(disk));
    id.partitionGuid.fill(uint8_t(part));
    return id;
}
Identity mbrId(uint32_t signature, uint64_t offset)
{
    Identity id;
    id.signature = signature;
    id.byteOffset = offset;
    return id;
}
// The exported section of one key ("" when the key is gone).
QString section(const QString& exported, const QString& key)
{
    const QString head = QStringLiteral("[%1\\%2]\n").arg(Prefix, key);
    const qsizetype at = exported.indexOf(head, 0, Qt::CaseInsensitive);
    if (at < 0)
        return QString();
    const qsizetype end = exported.indexOf(QStringLiteral("\n\n"), at);
    return exported.mid(at + head.size(), end < 0 ? -1 : end - at - head.size());
}

const QString Manager = QStringLiteral("{9dea862c-5cdd-4e70-acc1-f32b344d4795}");
const QString Loader = QStringLiteral("{7619dcc9-fafe-11d9-b411-000476eba25f}");
// "device boot" as bcdedit stores it: no options GUID, type 5, flags 1, size 0x48.
QByteArray bootDeviceValue()
{
    QByteArray v(0x58, '\0');
    v[0x10] = 5;
    v[0x14] = 1;
    v[0x18] = 0x48;
    return v;
}
// A store as Windows leaves one: the boot manager (device on partition 0x11 of disk 0x22, default
// entry `Loader` unless `withDefault` is false), the loader with the settings a portable copy
// must not keep, and an entry of its own that no setting may touch.
QString storeReg(bool withDefault)
{
    const QString dev = regHex(device(0, guid('\x11'), guid('\x22')));
    QString reg = QStringLiteral("[%1\\Objects\\%2\\Elements\\11000001]\n\"Element\"=hex:%3\n\n").arg(Prefix, Manager, dev);
    if (withDefault)
        reg += QStringLiteral("[%1\\Objects\\%2\\Elements\\23000003]\n\"Element\"=\"%3\"\n\n").arg(Prefix, Manager, Loader);
    auto add = [&](const QString& object, const QString& element, const QString& hex) {
        reg += QStringLiteral("[%1\\Objects\\%2\\Elements\\%3]\n\"Element\"=hex:%4\n\n").arg(Prefix, object, element, hex);
    };
    add(Loader, QStringLiteral("21000001"), dev);
    add(Loader, QStringLiteral("26000022"), QStringLiteral("01"));
    add(Loader, QStringLiteral("16000048"), QStringLiteral("01"));
    add(Loader, QStringLiteral("250000E0"), QStringLiteral("00,00,00,00,00,00,00,00"));
    add(Loader, QStringLiteral("16000009"), QStringLiteral("00"));
    add(QStringLiteral("{other}"), QStringLiteral("26000022"), QStringLiteral("01"));
    return reg;
}
QString element(const QString& exported, const QString& object, const QString& name)
{
    return section(exported, QStringLiteral("Objects\\%1\\Elements\\%2").arg(object, name)).simplified();
}
} // namespace

class TestOfflineHive : public QObject {
    Q_OBJECT
private slots:
    // The platform reads its disk list once: the clone's source and target images.
    void initTestCase()
    {
        QVERIFY(m_disks.isValid());
        qputenv("TESSARIN_DISKS", (m_disks.filePath(QStringLiteral("source.img")) + QLatin1Char(':')
                                   + m_disks.filePath(QStringLiteral("target.img"))).toLocal8Bit());
        qputenv("TESSARIN_DRIVE_LETTERS", (QStringLiteral("W=") + m_disks.filePath(QStringLiteral("W"))).toLocal8Bit());
    }

    // The copy's SYSTEM hive under its drive letter is edited through the platform's hive editor
    // (an application hive on Windows), without reg loading it into the running system's registry.
    void systemHiveEditedInPlace_data()
    {
        QTest::addColumn<bool>("migration");
        QTest::newRow("disk clone") << false;
        QTest::newRow("system clone") << true;
    }
    void systemHiveEditedInPlace()
    {
        const QString skip = missingRequirement({"hivexregedit"}, false, false);
        if (!skip.isEmpty())
            QSKIP(qPrintable(skip));
        QFETCH(bool, migration);
        const QString config = m_disks.filePath(QStringLiteral("W/Windows/System32/config"));
        QVERIFY(QDir().mkpath(config));
        makeHive(config + QStringLiteral("/SYSTEM"),
                 QStringLiteral("[%1\\ControlSet001\\Services\\storahci]\n\"Start\"=dword:00000003\n\n"
                                "[%1\\MountedDevices]\n\"\\\\DosDevices\\\\C:\"=hex:01\n\n").arg(Prefix));
        ScriptedCommandRunner runner;
        ScopedCommandRunner scoped(&runner);
        OfflineRegistry registry;
        if (migration)
            registry.configureForMigration(QStringLiteral("W"));
        else
            QVERIFY2(registry.configurePortableUsbBoot(QStringLiteral("W")), qPrintable(registry.lastError()));
        QVERIFY(runner.calls().isEmpty());  // no reg
        const QString hive = exportHive(config + QStringLiteral("/SYSTEM"));
        QCOMPARE(section(hive, "ControlSet001\\Services\\storahci").trimmed(), QStringLiteral("\"Start\"=dword:00000000"));
        QCOMPARE(section(hive, "ControlSet001\\Control").trimmed(), QStringLiteral("\"PortableOperatingSystem\"=dword:00000001"));
        QVERIFY(section(hive, "MountedDevices").isEmpty());
    }

    void elementCodec_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("partition");
        QTest::addColumn<bool>("gpt");
        const QByteArray mbr = device(1, le(0x15F00000, 8), le(0xB3EBA8F1, 4));
        QTest::newRow("mbr") << mbr << true << false;
        QTest::newRow("gpt") << device(0, guid('\x11'), guid('\x22')) << true << true;
        QTest::newRow("boot device") << device(1, le(0x100000, 8), le(1, 4), 1) << false << false;
        QTest::newRow("unknown style") << device(2, le(0x100000, 8), le(1, 4)) << false << false;
        QTest::newRow("short value") << mbr.left(0x47) << false << false;
        QByteArray oversized = mbr;
        ByteOrder::put32(reinterpret_cast<uint8_t*>(oversized.data()) + 0x18, 0x49);
        QTest::newRow("size past the end") << oversized << false << false;
    }
    void elementCodec()
    {
        QFETCH(QByteArray, value);
        QFETCH(bool, partition);
        QFETCH(bool, gpt);
        Identity id;
        const bool decoded = BcdDeviceElement::decode(bytes(value), id) == BcdDeviceElement::Form::Partition;
        QCOMPARE(decoded, partition);
        std::vector<uint8_t> edited = bytes(value);
        const Identity next = gpt ? gptId('\x33', '\x44') : mbrId(0x12345678, 0x7E00000);
        QCOMPARE(BcdDeviceElement::encode(edited, next), partition);
        if (!partition) {
            QVERIFY(edited == bytes(value));
            return;
        }
        QCOMPARE(id.gpt, gpt);
        if (!gpt)
            QVERIFY(id == mbrId(0xB3EBA8F1, 0x15F00000));
        QByteArray expected = gpt ? device(0, guid('\x44'), guid('\x33')) : device(1, le(0x7E00000, 8), le(0x12345678, 4));
        QVERIFY(edited == bytes(expected));
        QVERIFY(!BcdDeviceElement::encode(edited, gpt ? mbrId(1, 2) : gptId('\1', '\2')));  // style never changes
    }

    void storeEditedAndReadBack()
    {
        QTemporaryDir dir;
        const QString store = dir.filePath(QStringLiteral("BCD"));
        const QByteArray sourceGpt = device(0, guid('\x11'), guid('\x22'));
        const QByteArray otherGpt = device(0, guid('\x11'), guid('\x55'));
        const QByteArray sourceMbr = device(1, le(0x100000, 8), le(0xAABBCCDD, 4));
        const QByteArray otherMbr = device(1, le(0x100000, 8), le(0x01020304, 4));
        const QByteArray locate = device(1, le(0x100000, 8), le(0xAABBCCDD, 4), 8);
        QString reg;
        auto add = [&](const QString& object, const QString& element, const QByteArray& v) {
            reg += QStringLiteral("[%1\\Objects\\%2\\Elements\\%3]\n\"Element\"=hex:%4\n\n").arg(Prefix, object, element, regHex(v));
        };
        add(QStringLiteral("{a}"), QStringLiteral("11000001"), sourceGpt);
        add(QStringLiteral("{a}"), QStringLiteral("21000001"), sourceGpt);
        add(QStringLiteral("{b}"), QStringLiteral("11000001"), otherGpt);
        add(QStringLiteral("{c}"), QStringLiteral("21000001"), sourceMbr);
        add(QStringLiteral("{c}"), QStringLiteral("11000001"), otherMbr);
        add(QStringLiteral("{c}"), QStringLiteral("12000002"), sourceMbr);  // a string element, not a device
        add(QStringLiteral("{d}"), QStringLiteral("11000001"), locate);
        makeHive(store, reg);
        const QString before = exportHive(store);

        OfflineBcdStore::IdentityMap map{{gptId('\x22', '\x11'), gptId('\x66', '\x77')},
                                         {mbrId(0xAABBCCDD, 0x100000), mbrId(0x99887766, 0x200000)}};
        std::vector<OfflineBcdStore::Edit> applied;
        {
            std::unique_ptr<RegistryHive> hive = Platform::native().parts().registry->openRegistryHive(store.toStdString());
            QVERIFY(hive);
            OfflineBcdStore editor;
            QVERIFY2(editor.update(*hive, map, applied), qPrintable(editor.lastError()));
        }
        QStringList changed;
        for (const auto& e : applied)
            changed.append(QString::fromStdString(e.object + " " + e.element));
        QCOMPARE(changed, QStringList({"{a} 11000001", "{a} 21000001", "{c} 21000001"}));

        const QString after = exportHive(store);
        auto element = [](const QString& text, const QString& object, const QString& element) {
            return section(text, QStringLiteral("Objects\\%1\\Elements\\%2").arg(object, element));
        };
        const QString newGpt = QStringLiteral("\"Element\"=hex(3):") + regHex(device(0, guid('\x77'), guid('\x66')));
        QCOMPARE(element(after, "{a}", "11000001").simplified(), newGpt);
        QCOMPARE(element(after, "{a}", "21000001").simplified(), newGpt);
        QCOMPARE(element(after, "{c}", "21000001").simplified(),
                 QStringLiteral("\"Element\"=hex(3):") + regHex(device(1, le(0x200000, 8), le(0x99887766, 4))));
        for (const auto& [object, name] : {std::pair{"{b}", "11000001"}, {"{c}", "11000001"}, {"{c}", "12000002"}, {"{d}", "11000001"}})
        {
            QVERIFY(!element(before, object, name).isEmpty());
            QCOMPARE(element(after, object, name), element(before, object, name));
        }
    }

    // Two partitions of one disk differ only in their offset (MBR) or partition GUID (GPT): each
    // element goes to the copy of the partition it named, whichever comes first in the map.
    void partitionsOfOneDisk()
    {
        const OfflineBcdStore::IdentityMap mbr{{mbrId(0xAABBCCDD, 0x100000), mbrId(0x99887766, 0x100000)},
                                               {mbrId(0xAABBCCDD, 0x6500000), mbrId(0x99887766, 0x8200000)}};
        const OfflineBcdStore::IdentityMap gpt{{gptId('\x11', '\x21'), gptId('\x31', '\x41')},
                                               {gptId('\x11', '\x22'), gptId('\x31', '\x42')}};
        for (const OfflineBcdStore::IdentityMap& map : {mbr, gpt}) {
            std::vector<uint8_t> value = bytes(map.front().first.gpt ? device(0, guid('\0'), guid('\0')) : device(1, le(0, 8), le(0, 4)));
            std::vector<OfflineBcdStore::Element> elements;
            for (size_t i = map.size(); i-- > 0;) {
                QVERIFY(BcdDeviceElement::encode(value, map[i].first));
                elements.push_back({"{partition " + std::to_string(i + 1) + "}", "11000001", value});
            }
            const std::vector<OfflineBcdStore::Edit> edits = OfflineBcdStore::plan(elements, map);
            QCOMPARE(edits.size(), map.size());
            // Compared by their text: it shows every field, whatever the identities' own comparison looks at.
            for (const OfflineBcdStore::Edit& e : edits) {
                const size_t i = size_t(e.object[11] - '1');
                Identity written;
                QVERIFY(BcdDeviceElement::decode(e.value, written) == BcdDeviceElement::Form::Partition);
                QCOMPARE(written.describe(), map[i].second.describe());
                QCOMPARE(e.after.describe(), map[i].second.describe());
            }
        }
    }

    void systemHiveEditedAndReadBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("SYSTEM"));
        makeHive(path, QStringLiteral(
            "[%1\\Select]\n\"Current\"=dword:00000002\n\n"
            "[%1\\ControlSet001\\Services\\storahci]\n\"Start\"=dword:00000003\n\n"
            "[%1\\ControlSet001\\Services\\storahci\\StartOverride]\n\"1\"=dword:00000003\n\n"
            "[%1\\ControlSet002\\Services\\stornvme]\n\"Start\"=dword:00000003\n\n"
            "[%1\\ControlSet002\\Services\\stornvme\\StartOverride]\n\"1\"=dword:00000003\n\n"
            "[%1\\MountedDevices]\n\"\\\\DosDevices\\\\C:\"=hex:01,02\n\n").arg(Prefix));
        {
            std::unique_ptr<RegistryHive> hive = Platform::native().parts().registry->openRegistryHive(path.toStdString());
            QVERIFY(hive);
            QCOMPARE(OfflineRegistry::hiveControlSets(*hive), QStringList({"ControlSet002", "ControlSet001"}));
            OfflineRegistry registry;
            QVERIFY(registry.editHive(*hive, OfflineRegistry::diskCloneServices(), true));
        }
        const QString after = exportHive(path);
        for (const QString& set : {QStringLiteral("ControlSet001"), QStringLiteral("ControlSet002")}) {
            QCOMPARE(section(after, set + "\\Services\\partmgr\\Parameters").trimmed(), QStringLiteral("\"SanPolicy\"=dword:00000001"));
            QCOMPARE(section(after, set + "\\Control").trimmed(), QStringLiteral("\"PortableOperatingSystem\"=dword:00000001"));
            QVERIFY(section(after, set + "\\Services\\disk").isEmpty());  // absent services are not created
        }
        QCOMPARE(section(after, "ControlSet001\\Services\\storahci").trimmed(), QStringLiteral("\"Start\"=dword:00000000"));
        QCOMPARE(section(after, "ControlSet002\\Services\\stornvme\\StartOverride").trimmed(), QStringLiteral("\"0\"=dword:00000000"));
        QVERIFY(!after.contains(QStringLiteral("MountedDevices"), Qt::CaseInsensitive));
    }

    // Per mode, the store settings the Windows tools make, read back through hivex.
    void portableSettings_data()
    {
        QTest::addColumn<bool>("uefi");
        QTest::addColumn<bool>("migration");
        QTest::addColumn<bool>("withDefault");
        QTest::newRow("disk clone, BIOS") << false << false << true;
        QTest::newRow("disk clone, UEFI") << true << false << true;
        QTest::newRow("system clone, BIOS") << false << true << true;
        QTest::newRow("system clone, UEFI") << true << true << true;
        QTest::newRow("system clone, UEFI, no default entry") << true << true << false;
    }
    void portableSettings()
    {
        QFETCH(bool, uefi);
        QFETCH(bool, migration);
        QFETCH(bool, withDefault);
        QTemporaryDir dir;
        const QString store = dir.filePath(QStringLiteral("BCD"));
        makeHive(store, storeReg(withDefault));
        const QString before = exportHive(store);
        const OfflineBcdStore::Portable portable{uefi, migration};
        for (int pass = 0; pass < 2; ++pass) {
            std::unique_ptr<RegistryHive> hive = Platform::native().parts().registry->openRegistryHive(store.toStdString());
            QVERIFY(hive);
            OfflineBcdStore editor;
            std::vector<OfflineBcdStore::Setting> applied;
            QVERIFY2(editor.configure(*hive, portable, applied), qPrintable(editor.lastError()));
            if (pass == 1)
                QVERIFY(applied.empty());  // nothing left to change
        }
        const QString after = exportHive(store);
        auto expect = [&](const QString& object, const QString& name, bool changed, const QString& value) {
            const QString now = element(after, object, name);
            if (!changed)
                QCOMPARE(now, element(before, object, name));
            else
                QCOMPARE(now, value.isEmpty() ? QString() : QStringLiteral("\"Element\"=hex(3):") + value);
        };
        expect(Manager, QStringLiteral("11000001"), uefi, regHex(bootDeviceValue()));
        expect(Loader, QStringLiteral("26000010"), withDefault, QStringLiteral("01"));
        expect(Loader, QStringLiteral("26000022"), uefi && withDefault, QString());
        expect(Loader, QStringLiteral("16000048"), migration && withDefault, QString());
        expect(Loader, QStringLiteral("250000E0"), migration && withDefault, QStringLiteral("01,00,00,00,00,00,00,00"));
        expect(Loader, QStringLiteral("16000009"), migration && withDefault, QStringLiteral("01"));
        expect(Loader, QStringLiteral("21000001"), false, {});
        expect(QStringLiteral("{other}"), QStringLiteral("26000022"), false, {});
        QVERIFY(!element(before, QStringLiteral("{other}"), QStringLiteral("26000022")).isEmpty());
    }

    // Control sets found in a hive file, and the edits landing in them.
    void controlSets_data()
    {
        QTest::addColumn<QString>("reg");
        QTest::addColumn<QStringList>("sets");
        const QString two = QStringLiteral("[%1\\ControlSet001\\Control]\n\n[%1\\ControlSet002\\Control]\n\n").arg(Prefix);
        QTest::newRow("no Select") << two << QStringList{"ControlSet001", "ControlSet002"};
        QTest::newRow("Select names a missing set, none present")
            << QStringLiteral("[%1\\Select]\n\"Current\"=dword:00000003\n\n[%1\\Setup]\n\n").arg(Prefix)
            << QStringList{"ControlSet001", "ControlSet002"};
        QTest::newRow("no Select, no control set") << QStringLiteral("[%1\\Setup]\n\n").arg(Prefix)
                                                   << QStringList{"ControlSet001", "ControlSet002"};
    }
    void controlSets()
    {
        QFETCH(QString, reg);
        QFETCH(QStringList, sets);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("SYSTEM"));
        makeHive(path, reg);
        {
            std::unique_ptr<RegistryHive> hive = Platform::native().parts().registry->openRegistryHive(path.toStdString());
            QVERIFY(hive);
            QCOMPARE(OfflineRegistry::hiveControlSets(*hive), sets);
            OfflineRegistry registry;
            QVERIFY2(registry.editHive(*hive, OfflineRegistry::systemCloneServices(), false), qPrintable(registry.lastError()));
        }
        const QString after = exportHive(path);
        for (const QString& set : sets)
            QCOMPARE(section(after, set + "\\Control").trimmed(), QStringLiteral("\"PortableOperatingSystem\"=dword:00000001"));
    }

    // The whole offline repair of a GPT copy: an EFI system partition with or without a boot store
    // and a fallback loader, a Windows partition with its SYSTEM hive.
    void repairOnImage_data()
    {
        QTest::addColumn<bool>("store");
        QTest::addColumn<bool>("ownLoader");
        QTest::newRow("store, no fallback loader") << true << false;
        QTest::newRow("no store") << false << false;
        QTest::newRow("a fallback loader of its own") << true << true;
    }
    void repairOnImage()
    {
        const QString skip = missingRequirement({"losetup", "sgdisk", "mkfs.fat", "mmd", "mcopy", "mtype", "mdir", "mkntfs",
                                                 "ntfs-3g", "ntfscat", "ntfscp", "hivexregedit", "fsck.fat"}, true, true);
        if (!skip.isEmpty())
            QSKIP(qPrintable(skip));
        QFETCH(bool, store);
        QFETCH(bool, ownLoader);
        qputenv("MTOOLS_SKIP_CHECK", "1");
        constexpr qint64 MiB = 1 << 20, EspStart = MiB, EspSize = 40 * MiB, NtfsStart = 41 * MiB, NtfsSize = 64 * MiB;
        QTemporaryDir dir;
        const QString img = dir.filePath(QStringLiteral("disk.img"));
        QVERIFY(makeSparseFile(img, 112 * MiB));
        QVERIFY(sgdiskRun(img, {"-o", "-n", "1:2048:83967", "-t", "1:ef00", "-n", "2:83968:215039", "-t", "2:0700"}));
        const QString bootmgr = dir.filePath(QStringLiteral("bootmgfw.efi")), own = dir.filePath(QStringLiteral("own.efi"));
        QVERIFY(writeFileBytes(bootmgr, 0, QByteArray(70000, 'M')) && writeFileBytes(own, 0, QByteArray(5000, 'O')));
        {
            LoopDevice esp(img, false, 0, EspStart, EspSize);
            QVERIFY2(esp.ok(), qPrintable(esp.error()));
            QVERIFY(makeFat32(esp.device(), {"-s", "1", "-n", "EFI"}));
            QCOMPARE(runTool("mmd", {"-i", esp.device(), "::/EFI", "::/EFI/Microsoft", "::/EFI/Microsoft/Boot"}), 0);
            QCOMPARE(runTool("mcopy", {"-i", esp.device(), bootmgr, "::/EFI/Microsoft/Boot/bootmgfw.efi"}), 0);
            if (store) {
                const QString bcd = dir.filePath(QStringLiteral("BCD"));
                makeHive(bcd, storeReg(true));
                QCOMPARE(runTool("mcopy", {"-i", esp.device(), bcd, "::/EFI/Microsoft/Boot/BCD"}), 0);
            }
            if (ownLoader) {
                QCOMPARE(runTool("mmd", {"-i", esp.device(), "::/EFI/Boot"}), 0);
                QCOMPARE(runTool("mcopy", {"-i", esp.device(), own, "::/EFI/Boot/bootx64.efi"}), 0);
            }
        }
        {
            LoopDevice part(img, false, 0, NtfsStart, NtfsSize);
            QVERIFY(part.ok() && makeNtfs(part.device()));
            Mount m(part.device(), dir.filePath(QStringLiteral("mnt")), {}, QStringLiteral("ntfs-3g"));
            QVERIFY2(m.ok(), qPrintable(m.error()));
            QVERIFY(QDir(m.point()).mkpath(QStringLiteral("Windows/System32/config")));
            makeHive(m.point() + QStringLiteral("/Windows/System32/config/SYSTEM"),
                     QStringLiteral("[%1\\ControlSet001\\Services\\storahci]\n\"Start\"=dword:00000003\n\n").arg(Prefix));
        }
        OfflineBootRepair repair(img, 512);
        const auto result = repair.run({{quint64(EspStart), quint64(EspSize), true}, {quint64(NtfsStart), quint64(NtfsSize), false}},
                                       true, {{gptId('\x22', '\x11'), gptId('\x66', '\x77')}},
                                       OfflineRegistry::diskCloneServices(), true, true);
        QVERIFY2(result != OfflineBootRepair::Result::Failed, qPrintable(repair.lastError()));
        QCOMPARE(result, store ? OfflineBootRepair::Result::Updated : OfflineBootRepair::Result::NoStore);

        const QString fetched = dir.filePath(QStringLiteral("fetched"));
        {
            LoopDevice esp(img, false, 0, EspStart, EspSize);
            QVERIFY(esp.ok());
            QString out;
            QVERIFY2(runTool("fsck.fat", {"-n", esp.device()}, &out) == 0, qPrintable(out));
            QCOMPARE(runTool("mcopy", {"-n", "-i", esp.device(), "::/EFI/Boot/bootx64.efi", fetched}), 0);
            QCOMPARE(contentHash(fetched), contentHash(ownLoader ? own : bootmgr));
            if (store) {
                QCOMPARE(runTool("mcopy", {"-n", "-i", esp.device(), "::/EFI/Microsoft/Boot/BCD", fetched}), 0);
                const QString after = exportHive(fetched);
                QCOMPARE(element(after, Manager, "11000001"), QStringLiteral("\"Element\"=hex(3):") + regHex(bootDeviceValue()));
                QCOMPARE(element(after, Loader, "21000001"),
                         QStringLiteral("\"Element\"=hex(3):") + regHex(device(0, guid('\x77'), guid('\x66'))));
                QCOMPARE(element(after, Loader, "250000E0"), QStringLiteral("\"Element\"=hex(3):01,00,00,00,00,00,00,00"));
            }
        }
        QVERIFY(repair.changes().join(QLatin1Char('\n')).contains(QStringLiteral("bootx64.efi: copied")) != ownLoader);
        LoopDevice part(img, false, 0, NtfsStart, NtfsSize);
        QVERIFY(part.ok());
        Mount m(part.device(), dir.filePath(QStringLiteral("mnt")), {QStringLiteral("-o"), QStringLiteral("ro")}, QStringLiteral("ntfs-3g"));
        QVERIFY2(m.ok(), qPrintable(m.error()));
        const QString hive = exportHive(m.point() + QStringLiteral("/Windows/System32/config/SYSTEM"));
        QCOMPARE(section(hive, "ControlSet001\\Control").trimmed(), QStringLiteral("\"PortableOperatingSystem\"=dword:00000001"));
        QCOMPARE(section(hive, "ControlSet001\\Services\\storahci").trimmed(), QStringLiteral("\"Start\"=dword:00000000"));
    }

    // On Windows the copy's volumes are reached through drive letters: the same repair, the files
    // read and written through the platform under each volume's root (folders here).
    void repairThroughMountedVolumes_data()
    {
        QTest::addColumn<bool>("store");
        QTest::newRow("store") << true;
        QTest::newRow("no store") << false;
    }
    void repairThroughMountedVolumes()
    {
        const QString skip = missingRequirement({"hivexregedit"}, false, false);
        if (!skip.isEmpty())
            QSKIP(qPrintable(skip));
        QFETCH(bool, store);
        QTemporaryDir dir;
        const QString esp = dir.filePath(QStringLiteral("S")), windows = dir.filePath(QStringLiteral("W"));
        QVERIFY(QDir(esp).mkpath(QStringLiteral("EFI/Microsoft/Boot")) && QDir(windows).mkpath(QStringLiteral("Windows/System32/config")));
        const QString bootmgr = esp + QStringLiteral("/EFI/Microsoft/Boot/bootmgfw.efi");
        QVERIFY(writeFileBytes(bootmgr, 0, QByteArray(7000, 'M')));
        if (store)
            makeHive(esp + QStringLiteral("/EFI/Microsoft/Boot/BCD"), storeReg(true));
        const QString system = windows + QStringLiteral("/Windows/System32/config/SYSTEM");
        makeHive(system, QStringLiteral("[%1\\ControlSet001\\Services\\storahci]\n\"Start\"=dword:00000003\n\n").arg(Prefix));

        OfflineBootRepair repair(QString(), 512);
        using Kind = VolumeFileAccess::Kind;
        const auto result = repair.run({{1 << 20, 40 << 20, true, esp, Kind::Fat}, {41 << 20, 64 << 20, false, windows, Kind::Ntfs}},
                                       true, {{gptId('\x22', '\x11'), gptId('\x66', '\x77')}},
                                       OfflineRegistry::diskCloneServices(), true, true);
        QVERIFY2(result != OfflineBootRepair::Result::Failed, qPrintable(repair.lastError()));
        QCOMPARE(result, store ? OfflineBootRepair::Result::Updated : OfflineBootRepair::Result::NoStore);
        QCOMPARE(contentHash(esp + QStringLiteral("/EFI/Boot/bootx64.efi")), contentHash(bootmgr));
        if (store) {
            const QString after = exportHive(esp + QStringLiteral("/EFI/Microsoft/Boot/BCD"));
            QCOMPARE(element(after, Loader, "21000001"),
                     QStringLiteral("\"Element\"=hex(3):") + regHex(device(0, guid('\x77'), guid('\x66'))));
            QCOMPARE(element(after, Manager, "11000001"), QStringLiteral("\"Element\"=hex(3):") + regHex(bootDeviceValue()));
        }
        const QString hive = exportHive(system);
        QCOMPARE(section(hive, "ControlSet001\\Control").trimmed(), QStringLiteral("\"PortableOperatingSystem\"=dword:00000001"));
        QCOMPARE(section(hive, "ControlSet001\\Services\\storahci").trimmed(), QStringLiteral("\"Start\"=dword:00000000"));
    }

    // A legacy clone made on Windows: the copy's store still names the source's disk signature. Its
    // volume is mounted under a root, and the one repair re-points the store to the copy's disk
    // (read off the copy's own table) through it.
    void cloneRepairedThroughMountedVolumes()
    {
        const QString skip = missingRequirement({"hivexregedit", "sfdisk"}, false, false);
        if (!skip.isEmpty())
            QSKIP(qPrintable(skip));
        constexpr qint64 MiB = 1 << 20;
        for (const auto& [name, id] : {std::pair{"source.img", "0x11111111"}, std::pair{"target.img", "0x22222222"}}) {
            const QString img = m_disks.filePath(QLatin1String(name));
            QVERIFY(makeSparseFile(img, 64 * MiB));
            QVERIFY(sfdiskScript(img, QStringLiteral("label: dos\nlabel-id: %1\nstart=2048, size=%2, type=7, bootable\n")
                                          .arg(QLatin1String(id))
                                          .arg(QString::fromLatin1(name) == QLatin1String("source.img") ? 40960 : 81920)));
        }
        const QString root = m_disks.filePath(QStringLiteral("C"));
        QVERIFY(QDir(root).mkpath(QStringLiteral("Boot")) && QDir(root).mkpath(QStringLiteral("Windows/System32/config")));
        const QByteArray sourceDevice = device(1, le(MiB, 8), le(0x11111111, 4));
        makeHive(root + QStringLiteral("/Boot/BCD"),
                 QStringLiteral("[%1\\Objects\\%2\\Elements\\21000001]\n\"Element\"=hex:%3\n\n").arg(Prefix, Loader, regHex(sourceDevice)));
        makeHive(root + QStringLiteral("/Windows/System32/config/SYSTEM"),
                 QStringLiteral("[%1\\ControlSet001\\Services\\storahci]\n\"Start\"=dword:00000003\n\n").arg(Prefix));

        QStringList changes;
        QString error;
        const OfflineBootRepair::MountedVolumes mounted{{quint64(MiB), {root, VolumeFileAccess::Kind::Ntfs}}};
        QCOMPARE(OfflineBootRepair::repairClone(0, 1, OfflineRegistry::diskCloneServices(), true, false, changes, error, mounted),
                 OfflineBootRepair::Result::Updated);
        const QString after = exportHive(root + QStringLiteral("/Boot/BCD"));
        QCOMPARE(element(after, Loader, "21000001"), QStringLiteral("\"Element\"=hex(3):") + regHex(device(1, le(MiB, 8), le(0x22222222, 4))));
        QCOMPARE(section(exportHive(root + QStringLiteral("/Windows/System32/config/SYSTEM")), "ControlSet001\\Services\\storahci").trimmed(),
                 QStringLiteral("\"Start\"=dword:00000000"));
    }

private:
    QTemporaryDir m_disks;
};

QTEST_GUILESS_MAIN(TestOfflineHive)
#include "tst_offlinehive.moc"
