#include "core/clonejournal.h"
#include "core/clonejournalcodec.h"
#include "core/copiedextents.h"
#include "common/memoryfiles.h"
#include "ondisk/byteorder.h"
#include "ondisk/crc32.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using Extents = std::vector<CopyExtent>;
using Runs = std::vector<std::pair<uint64_t, uint64_t>>;
using Status = CloneJournalCodec::Status;
Q_DECLARE_METATYPE(Extents)
Q_DECLARE_METATYPE(CloneJournalCodec::Status)

// Beside CopyExtent, where the standard algorithms look for it.
static bool operator==(const CopyExtent& a, const CopyExtent& b)
{
    return a.sourceOffset == b.sourceOffset && a.targetOffset == b.targetOffset && a.length == b.length;
}

namespace {
constexpr uint64_t MiB = 1 << 20;

CloneJournalCodec::Header sampleHeader()
{
    CloneJournalCodec::Header h;
    for (uint8_t i = 0; i < 16; ++i) {
        h.planHash[i] = i;
        h.sourceFingerprint[i] = uint8_t(0xF0 | i);
    }
    h.sourceBytes = 64 * MiB;
    h.targetBytes = 128 * MiB;
    h.sectorSize = 4096;
    h.sourceIdentity = "\\\\.\\PhysicalDrive1 Samsung S3Z9NB0K";
    h.targetIdentity = "USB-Stick \xc3\xa9t\xc3\xa9";  // UTF-8 passes through untouched
    return h;
}

const Extents sampleCopied{{0, 0, MiB}, {8 * MiB, 72 * MiB, 512}, {63 * MiB, 127 * MiB, MiB}};
const Runs sampleUnreadable{{100, 3}, {16383, 1}};

std::vector<uint8_t> sampleJournal(size_t* firstRecord = nullptr, size_t* secondRecord = nullptr)
{
    std::vector<uint8_t> bytes = CloneJournalCodec::encodeHeader(sampleHeader());
    const std::vector<uint8_t> copied = CloneJournalCodec::encodeCopied(sampleCopied);
    const std::vector<uint8_t> bad = CloneJournalCodec::encodeUnreadable(sampleUnreadable);
    if (firstRecord)
        *firstRecord = bytes.size();
    if (secondRecord)
        *secondRecord = bytes.size() + copied.size();
    bytes.insert(bytes.end(), copied.begin(), copied.end());
    bytes.insert(bytes.end(), bad.begin(), bad.end());
    return bytes;
}

Status decode(const std::vector<uint8_t>& bytes, size_t size, CloneJournalCodec::Contents& out, size_t& at)
{
    return CloneJournalCodec::decode(bytes.data(), size, out, at);
}
}

class TestCloneJournal : public QObject {
    Q_OBJECT
private slots:
    void codecRoundTrip()
    {
        const std::vector<uint8_t> bytes = sampleJournal();
        CloneJournalCodec::Contents c;
        size_t at = 99;
        QCOMPARE(decode(bytes, bytes.size(), c, at), Status::Ok);
        QCOMPARE(at, size_t(0));
        const CloneJournalCodec::Header h = sampleHeader();
        QVERIFY(c.header.planHash == h.planHash && c.header.sourceFingerprint == h.sourceFingerprint);
        QCOMPARE(c.header.sourceBytes, h.sourceBytes);
        QCOMPARE(c.header.targetBytes, h.targetBytes);
        QCOMPARE(c.header.sectorSize, h.sectorSize);
        QCOMPARE(c.header.sourceIdentity, h.sourceIdentity);
        QCOMPARE(c.header.targetIdentity, h.targetIdentity);
        QVERIFY(c.copied == sampleCopied);
        QVERIFY(c.unreadable == sampleUnreadable);

        // More entries than one record takes go into several.
        const Extents many(CloneJournalCodec::MaxRecordEntries + 2, CopyExtent{0, 0, 512});
        std::vector<uint8_t> big = CloneJournalCodec::encodeHeader(h);
        const std::vector<uint8_t> records = CloneJournalCodec::encodeCopied(many);
        big.insert(big.end(), records.begin(), records.end());
        QCOMPARE(CloneJournalCodec::decode(big.data(), big.size(), c, at), Status::Ok);
        QCOMPARE(c.copied.size(), many.size());

        CloneJournalCodec::Header unwritable = h;
        unwritable.sectorSize = 520;
        QVERIFY(CloneJournalCodec::encodeHeader(unwritable).empty());
        unwritable = h;
        unwritable.targetIdentity.assign(CloneJournalCodec::MaxIdentityBytes + 1, 'x');
        QVERIFY(CloneJournalCodec::encodeHeader(unwritable).empty());
    }

    // Any damage refuses the whole journal and names where it starts.
    void damageRefused_data()
    {
        QTest::addColumn<int>("part");    // 0 header, 1 copied record, 2 unreadable record
        QTest::addColumn<int>("offset");  // within that part; negative: from the part's end
        QTest::addColumn<quint64>("value");
        QTest::addColumn<int>("width");   // bytes of value written; 0 appends one byte to the file
        QTest::addColumn<bool>("reseal"); // CRC of the part made right again
        QTest::addColumn<Status>("status");
        QTest::addColumn<int>("badAt");   // within the part
        QTest::newRow("magic") << 0 << 2 << quint64('X') << 1 << false << Status::BadMagic << 0;
        QTest::newRow("version") << 0 << 8 << quint64(2) << 4 << true << Status::BadVersion << 8;
        QTest::newRow("header length") << 0 << 12 << quint64(79) << 4 << true << Status::BadHeader << 12;
        QTest::newRow("identity too long") << 0 << 68 << quint64(5000) << 4 << true << Status::BadHeader << 68;
        QTest::newRow("sector size") << 0 << 64 << quint64(1000) << 4 << true << Status::BadHeader << 64;
        QTest::newRow("plan hash") << 0 << 20 << quint64(0xAA) << 1 << false << Status::BadHeaderChecksum << -4;
        QTest::newRow("header crc") << 0 << -1 << quint64(0x55) << 1 << false << Status::BadHeaderChecksum << -4;
        QTest::newRow("record magic") << 1 << 0 << quint64(0) << 4 << true << Status::BadRecord << 0;
        QTest::newRow("record kind") << 1 << 4 << quint64(3) << 4 << true << Status::BadRecord << 0;
        QTest::newRow("record count 0") << 2 << 8 << quint64(0) << 4 << true << Status::BadRecord << 0;
        QTest::newRow("record count huge") << 2 << 8 << quint64((1u << 20) + 1) << 4 << false << Status::BadRecord << 0;
        QTest::newRow("record count short") << 1 << 8 << quint64(2) << 4 << false << Status::BadRecordChecksum << 0;
        QTest::newRow("extent byte") << 1 << 13 << quint64(0x40) << 1 << false << Status::BadRecordChecksum << 0;
        QTest::newRow("extent past target") << 1 << 12 + 48 + 8 << quint64(127 * MiB + 1) << 8 << true
                                            << Status::BadRecord << 0;
        QTest::newRow("extent empty") << 1 << 12 + 16 << quint64(0) << 8 << true << Status::BadRecord << 0;
        QTest::newRow("sectors past source") << 2 << 12 + 16 + 8 << quint64(2) << 8 << true << Status::BadRecord << 0;
        QTest::newRow("trailing byte") << 2 << 0 << quint64(0) << 0 << false << Status::Truncated << -1;
    }
    void damageRefused()
    {
        QFETCH(int, part);
        QFETCH(int, offset);
        QFETCH(quint64, value);
        QFETCH(int, width);
        QFETCH(bool, reseal);
        QFETCH(Status, status);
        QFETCH(int, badAt);
        size_t first = 0, second = 0;
        std::vector<uint8_t> bytes = sampleJournal(&first, &second);
        const size_t begin[] = {0, first, second};
        const size_t end[] = {first, second, bytes.size()};
        const size_t partStart = begin[part], partEnd = end[part];
        if (width == 0) {
            bytes.push_back(0);
        } else {
            uint8_t* p = bytes.data() + (offset < 0 ? partEnd + offset : partStart + offset);
            for (int i = 0; i < width; ++i)
                p[i] = uint8_t(value >> (8 * i));
        }
        if (reseal)
            ByteOrder::put32(bytes.data() + partEnd - 4, Crc32::compute(bytes.data() + partStart, partEnd - partStart - 4));
        CloneJournalCodec::Contents c;
        size_t at = 0;
        QCOMPARE(decode(bytes, bytes.size(), c, at), status);
        QCOMPARE(at, badAt < 0 ? (badAt == -1 ? bytes.size() - 1 : partEnd + badAt) : partStart + badAt);
        QVERIFY(c.copied.empty() && c.unreadable.empty() && c.header.sourceBytes == 0);
    }

    // A journal cut anywhere, a crash in the middle of an append, is refused, never half read.
    // Cut between records it is the journal of before the lost append, which is sound.
    void truncationRefusedAtEveryByte()
    {
        size_t first = 0, second = 0;
        const std::vector<uint8_t> bytes = sampleJournal(&first, &second);
        for (size_t size = 0; size < bytes.size(); ++size) {
            CloneJournalCodec::Contents c;
            size_t at = 0;
            const Status s = decode(bytes, size, c, at);
            if (size == first || size == second) {
                QCOMPARE(s, Status::Ok);
                QCOMPARE(c.copied.size(), size == first ? size_t(0) : sampleCopied.size());
                QVERIFY(c.unreadable.empty());
                continue;
            }
            QVERIFY2(s == (size < first ? Status::TooShort : Status::Truncated), qPrintable(QString::number(size)));
            QVERIFY(c.copied.empty() && c.header.sourceBytes == 0);
        }
    }

    void copiedExtents_data()
    {
        QTest::addColumn<Extents>("copied");
        QTest::addColumn<Extents>("planned");
        QTest::addColumn<Extents>("remaining");
        QTest::addColumn<Extents>("merged");  // extents() after the adds
        QTest::newRow("nothing copied") << Extents{} << Extents{{0, 0, 100}, {500, 900, 10}}
                                        << Extents{{0, 0, 100}, {500, 900, 10}} << Extents{};
        QTest::newRow("all copied") << Extents{{0, 1000, 50}, {50, 1050, 50}} << Extents{{0, 1000, 100}}
                                    << Extents{} << Extents{{0, 1000, 100}};
        QTest::newRow("middle split out") << Extents{{40, 40, 20}} << Extents{{0, 0, 100}}
                                          << Extents{{0, 0, 40}, {60, 60, 40}} << Extents{{40, 40, 20}};
        QTest::newRow("overlaps merge") << Extents{{10, 10, 30}, {30, 30, 30}, {0, 0, 5}, {5, 5, 5}}
                                        << Extents{{0, 0, 100}} << Extents{{60, 60, 40}} << Extents{{0, 0, 60}};
        // Same source bytes at another place of the target are not the planned copy.
        QTest::newRow("other shift") << Extents{{0, 4096, 100}, {50, 50, 10}} << Extents{{0, 0, 100}}
                                     << Extents{{0, 0, 50}, {60, 60, 40}}
                                     << Extents{{0, 4096, 100}, {50, 50, 10}};
        QTest::newRow("across extents, order kept")
            << Extents{{90, 190, 30}, {0, 100, 5}} << Extents{{100, 200, 50}, {0, 100, 100}}
            << Extents{{120, 220, 30}, {5, 105, 85}} << Extents{{0, 100, 5}, {90, 190, 30}};
        QTest::newRow("near the top") << Extents{{~0ull - 10, 0, 100}} << Extents{{~0ull - 20, ~0ull - 30, 5}}
                                      << Extents{{~0ull - 20, ~0ull - 30, 5}} << Extents{{~0ull - 10, 0, 10}};
    }
    void copiedExtents()
    {
        QFETCH(Extents, copied);
        QFETCH(Extents, planned);
        QFETCH(Extents, remaining);
        QFETCH(Extents, merged);
        CopiedExtents set;
        for (const CopyExtent& e : copied)
            set.add(e);
        QVERIFY(set.extents() == merged);
        QVERIFY(set.remaining(planned) == remaining);
        uint64_t plannedBytes = 0, remainingBytes = 0, coveredBytes = 0;
        for (const CopyExtent& e : planned)
            plannedBytes += e.length;
        for (const CopyExtent& e : remaining)
            remainingBytes += e.length;
        for (const CopyExtent& e : set.covered(planned)) {
            coveredBytes += e.length;
            QVERIFY(set.remaining({e}).empty());  // each covered piece is wholly copied
        }
        QCOMPARE(coveredBytes, plannedBytes - remainingBytes);
        QCOMPARE(set.bytesIn(planned), coveredBytes);
    }

    // A test's stand-in for the files seam still gets journals made durable on the real disk.
    void journalFile()
    {
        MemoryFiles standIn;
        const ScopedPlatform scope(PlatformParts{nullptr, nullptr, &standIn});
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = CloneJournal::pathFor(dir.filePath("state"), "\\\\.\\PhysicalDrive1", "\\\\.\\PhysicalDrive2");
        QVERIFY(QFileInfo(path).fileName().contains(QRegularExpression("^resume-[0-9a-f]{16}\\.journal$")));
        QVERIFY(path != CloneJournal::pathFor(dir.filePath("state"), "\\\\.\\PhysicalDrive2", "\\\\.\\PhysicalDrive1"));

        CloneJournalCodec::Contents c;
        QString error;
        QVERIFY(!CloneJournal::exists(path));
        QVERIFY(!CloneJournal::load(path, c, error));
        QVERIFY2(error.contains("no resume journal"), qPrintable(error));

        // An old, longer journal at the same place is replaced, not written over.
        QVERIFY(QDir().mkpath(dir.filePath("state")));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(QByteArray(4096, 'x')) == 4096);
        old.close();

        CloneJournal journal;
        QVERIFY2(journal.create(path, sampleHeader()), qPrintable(journal.lastError()));
        QVERIFY(journal.append(sampleCopied, {}));
        QVERIFY(journal.append({}, {}));
        QVERIFY(journal.append({}, sampleUnreadable));
        journal.close();
        QVERIFY(!journal.append(sampleCopied, {}));
        QVERIFY(CloneJournal::exists(path));
        QVERIFY2(CloneJournal::load(path, c, error), qPrintable(error));
        QVERIFY(c.copied == sampleCopied && c.unreadable == sampleUnreadable);
        QCOMPARE(c.header.targetIdentity, sampleHeader().targetIdentity);

        // A crash in the middle of the last append leaves its record cut short.
        QVERIFY(QFile::resize(path, QFileInfo(path).size() - 3));
        QVERIFY(!CloneJournal::load(path, c, error));
        QVERIFY2(error.contains("refused at byte") && error.contains("cut short"), qPrintable(error));
        QVERIFY(c.copied.empty());

        QVERIFY(CloneJournal::remove(path));
        QVERIFY(!CloneJournal::exists(path));
        QVERIFY(CloneJournal::remove(path));
    }

    // A journal that could not be made durable is not reported as started.
    void unsyncedJournalFails()
    {
        struct LostDevice : MemoryFiles {
            bool syncFileData(int) override
            {
                Platform::setLastError(PlatformError::IoDevice, "the device went away");
                return false;
            }
        } lost;
        const ScopedPlatform scope(PlatformParts{nullptr, nullptr, &lost});
        QTemporaryDir dir;
        CloneJournal journal;
        QVERIFY(!journal.create(dir.filePath("j.journal"), sampleHeader()));
        QVERIFY2(journal.lastError().contains("the device went away"), qPrintable(journal.lastError()));
        QVERIFY(!journal.isOpen() && !journal.append(sampleCopied, {}));
    }
};

QTEST_GUILESS_MAIN(TestCloneJournal)
#include "tst_clonejournal.moc"
