// A boot store made from nothing for a copy that moved from BIOS to UEFI: the empty hive file the
// store starts from, and the store's objects read back with the hivex tools and the program's own check.
#include "boot/bootstorecheck.h"
#include "boot/uefibootstorebuilder.h"
#include "common/hivefixture.h"
#include "ondisk/emptyhive.h"
#include "platform/platform.h"
#include "platform/registryhive.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
using Identity = BcdDeviceElement::Identity;
using namespace hivefixture;

Identity gptId(char disk, char part)
{
    Identity id;
    id.gpt = true;
    id.diskGuid.fill(uint8_t(disk));
    id.partitionGuid.fill(uint8_t(part));
    return id;
}

bool writeFile(const QString& path, const std::vector<uint8_t>& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) == qint64(bytes.size());
}

// A REG_SZ value as the hive tools export it: UTF-16LE with its terminator, in hex.
QString sz(const QString& text)
{
    QByteArray bytes;
    for (QChar c : text + QChar(0))
        bytes += le(c.unicode(), 2);
    return QStringLiteral("\"Element\"=hex(1):") + regHex(bytes);
}

QString section(const QString& exported, const QString& key)
{
    const QString head = QStringLiteral("[%1\\%2]\n").arg(Prefix, key);
    const qsizetype at = exported.indexOf(head, 0, Qt::CaseInsensitive);
    if (at < 0)
        return QString();
    const qsizetype end = exported.indexOf(QStringLiteral("\n\n"), at);
    return exported.mid(at + head.size(), end < 0 ? -1 : end - at - head.size()).simplified();
}
} // namespace

class TestUefiBootStore : public QObject {
    Q_OBJECT
private slots:
    void emptyHive_data()
    {
        QTest::addColumn<QString>("root");
        QTest::addColumn<bool>("made");
        QTest::newRow("store root") << QStringLiteral("NewStoreRoot") << true;
        QTest::newRow("one letter") << QStringLiteral("R") << true;
        QTest::newRow("longest name") << QString(255, QLatin1Char('n')) << true;
        QTest::newRow("empty name") << QString() << false;
        QTest::newRow("name too long") << QString(256, QLatin1Char('n')) << false;
    }
    // The hive tools check the base block's checksum and the cells; a key written into the file
    // must come back from a fresh open.
    void emptyHive()
    {
        QFETCH(QString, root);
        QFETCH(bool, made);
        const std::vector<uint8_t> bytes = EmptyHive::encode(root.toStdString());
        QCOMPARE(!bytes.empty(), made);
        if (!made)
            return;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("hive"));
        QVERIFY(writeFile(path, bytes));
        {
            std::unique_ptr<RegistryHive> hive = Platform::registry().openRegistryHive(path.toStdString());
            QVERIFY2(hive, Platform::lastErrorText().c_str());
            QVERIFY(hive->subKeys("").empty());
            QVERIFY(hive->writeValue("A\\B", "V", RegistryHive::TypeDword, {1, 2, 3, 4}));
            QVERIFY(hive->commit());
        }
        QCOMPARE(section(exportHive(path), QStringLiteral("A\\B")), QStringLiteral("\"V\"=dword:04030201"));
    }

    void storeReadBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("BCD"));
        QVERIFY(writeFile(path, EmptyHive::encode("NewStoreRoot")));
        const QString loader = QStringLiteral("{5c6a2f1e-0d7b-4c2e-9a51-3e8f7b6d4c21}");
        const Identity esp = gptId('\x31', '\x41'), windows = gptId('\x31', '\x42');
        std::vector<BootabilityCheck::Finding> findings;
        {
            std::unique_ptr<RegistryHive> hive = Platform::registry().openRegistryHive(path.toStdString());
            QVERIFY(hive);
            QString error;
            QVERIFY2(UefiBootStoreBuilder::writeStore(*hive, esp, windows, loader, error), qPrintable(error));
        }
        const QString text = exportHive(path);
        auto element = [&](const QString& object, const QString& name) {
            return section(text, QStringLiteral("Objects\\%1\\Elements\\%2").arg(object, name));
        };
        const QString manager = QStringLiteral("{9dea862c-5cdd-4e70-acc1-f32b344d4795}");
        // Device values as the fixture builds them from the published layout, independently of the codec.
        QCOMPARE(element(manager, "11000001"), "\"Element\"=hex(3):" + regHex(device(0, QByteArray(16, '\x41'), QByteArray(16, '\x31'))));
        QCOMPARE(element(loader, "11000001"), "\"Element\"=hex(3):" + regHex(device(0, QByteArray(16, '\x42'), QByteArray(16, '\x31'))));
        QCOMPARE(element(loader, "21000001"), element(loader, "11000001"));
        QCOMPARE(element(manager, "12000002"), sz(QStringLiteral("\\EFI\\Microsoft\\Boot\\bootmgfw.efi")));
        QCOMPARE(element(manager, "23000003"), sz(loader));
        QVERIFY(element(manager, "24000001").startsWith(QStringLiteral("\"Element\"=hex(7):7b,00,35,00")));
        QCOMPARE(element(manager, "25000004"), QStringLiteral("\"Element\"=hex(3):1e,00,00,00,00,00,00,00"));
        QCOMPARE(element(loader, "12000002"), sz(QStringLiteral("\\Windows\\system32\\winload.efi")));
        QCOMPARE(element(loader, "22000002"), sz(QStringLiteral("\\Windows")));
        QCOMPARE(section(text, "Objects\\" + loader + "\\Description"), QStringLiteral("\"Type\"=dword:10200003"));
        QCOMPARE(section(text, "Objects\\" + manager + "\\Description"), QStringLiteral("\"Type\"=dword:10100002"));
        QVERIFY(section(text, QStringLiteral("Description")).contains(sz(QStringLiteral("BCD00000000")).mid(9)));

        // The program's own check resolves all three device elements on a disk holding both partitions.
        std::unique_ptr<RegistryHive> hive = Platform::registry().openRegistryHive(path.toStdString());
        QVERIFY(hive);
        const std::vector<BootStoreCheck::Partition> disk{{1, esp, false, true}, {3, windows, true, false}};
        findings = BootStoreCheck::run(*hive, QStringLiteral("BCD"), disk);
        QCOMPARE(findings.size(), size_t(1));
        QCOMPARE(findings[0].severity, BootabilityCheck::Severity::Ok);
        QVERIFY(findings[0].text.contains(QStringLiteral("3 device elements")));
    }
};

QTEST_GUILESS_MAIN(TestUefiBootStore)
#include "tst_uefibootstore.moc"
