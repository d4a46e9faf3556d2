// Offline boot-store and SYSTEM hive edits: the device element codec from its published layout,
// and hive files made and read back with the hivex tools.
#include "boot/offlinebcdstore.h"
#include "boot/offlinebootrepair.h"
#include "boot/offlineregistry.h"
#include "ondisk/byteorder.h"
#include "common/hivefixture.h"
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
} // namespace

class TestOfflineHive : public QObject {
    Q_OBJECT
private slots:
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
};

QTEST_GUILESS_MAIN(TestOfflineHive)
#include "tst_offlinehive.moc"
