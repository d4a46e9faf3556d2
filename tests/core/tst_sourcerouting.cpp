// A source disk read partly from shadow devices: which bytes come from where, worked out against a
// byte-by-byte reference on devices held in memory.
#include "core/sourcereading.h"
#include "platform/platform.h"
#include "platform/routeddevice.h"

#include <QtTest>

namespace {
// A device that is a byte array; reads past its end are short.
class ByteDevice : public DeviceHandle {
public:
    explicit ByteDevice(QByteArray bytes) : m_bytes(std::move(bytes)) {}
    bool readAt(uint64_t offset, void* buffer, uint64_t length, uint64_t& done) override
    {
        done = offset >= uint64_t(m_bytes.size()) ? 0 : std::min<uint64_t>(length, uint64_t(m_bytes.size()) - offset);
        std::memcpy(buffer, m_bytes.constData() + std::min<uint64_t>(offset, uint64_t(m_bytes.size())), done);
        return true;
    }
    bool writeAt(uint64_t, const void*, uint64_t, uint64_t& done) override { done = 0; return true; }
    bool flush() override { return true; }
    bool geometry(PlatformGeometry&) override { return false; }
    bool accessAlignment(PlatformAccessAlignment&) override { return false; }
    bool deviceDescriptor(PlatformDeviceDescriptor&) override { return false; }
    bool seekPenalty(bool&) override { return false; }
    bool driveLayout(PlatformDriveLayout&) override { return false; }
    bool updateDiskProperties() override { return false; }
    std::string path() const override { return "memory"; }
private:
    QByteArray m_bytes;
};

QByteArray pattern(char seed, int size)
{
    QByteArray out(size, 0);
    for (int i = 0; i < size; ++i)
        out[i] = char(seed + i * 7 % 251);
    return out;
}

constexpr int DiskBytes = 4096;
}

class TestSourceRouting : public QObject {
    Q_OBJECT

private slots:
    // Two volumes' shadows (one at an offset inside its device); reads across every border.
    void readsComeFromTheirRoute_data()
    {
        QTest::addColumn<quint64>("offset");
        QTest::addColumn<quint64>("length");
        QTest::newRow("before any route") << quint64(0) << quint64(512);
        QTest::newRow("inside the first") << quint64(1100) << quint64(300);
        QTest::newRow("across its start") << quint64(900) << quint64(300);
        QTest::newRow("across both and the gap") << quint64(1000) << quint64(2500);
        QTest::newRow("the whole disk") << quint64(0) << quint64(DiskBytes);
        QTest::newRow("past the disk's end") << quint64(3500) << quint64(1000);
    }
    void readsComeFromTheirRoute()
    {
        QFETCH(quint64, offset);
        QFETCH(quint64, length);
        const QByteArray disk = pattern('D', DiskBytes), first = pattern('a', 1024), second = pattern('b', 2048);
        std::vector<RoutedDevice::Route> routes{{1024, 1024, 0, std::make_shared<ByteDevice>(first)},
                                                {3072, 512, 1000, std::make_shared<ByteDevice>(second)}};
        RoutedDevice routed(std::make_unique<ByteDevice>(disk), routes);
        QByteArray want;
        for (quint64 x = offset; x < std::min<quint64>(offset + length, DiskBytes); ++x) {
            if (x >= 1024 && x < 2048)
                want += first[int(x - 1024)];
            else if (x >= 3072 && x < 3584)
                want += second[int(1000 + x - 3072)];
            else
                want += disk[int(x)];
        }
        QByteArray got(int(length), '\0');
        uint64_t done = 0;
        QVERIFY(routed.readAt(offset, got.data(), length, done));
        QCOMPARE(done, uint64_t(want.size()));
        QCOMPARE(got.left(int(done)), want);
    }

    // The source is never written, also not through its routes.
    void writesAreRefused()
    {
        RoutedDevice routed(std::make_unique<ByteDevice>(pattern('D', DiskBytes)), {});
        const char byte = 0;
        uint64_t done = 1;
        QVERIFY(!routed.writeAt(0, &byte, 1, done));
        QCOMPARE(done, uint64_t(0));
        QCOMPARE(Platform::lastErrorCode(), PlatformError::AccessDenied);
    }

    // A volume in pieces: each piece on this disk reads its shadow at the piece's place in the
    // volume; pieces on other disks still count towards that place.
    void spannedVolumeRoutes()
    {
        const std::vector<PlatformExtent> extents{{2, 1 << 20, 4096}, {5, 0, 8192}, {2, 1 << 22, 2048}};
        const auto routes = SourceReading::routesOf(extents, 2, nullptr);
        QCOMPARE(routes.size(), size_t(2));
        QCOMPARE(routes[0].diskOffset, uint64_t(1 << 20));
        QCOMPARE(routes[0].deviceOffset, uint64_t(0));
        QCOMPARE(routes[1].diskOffset, uint64_t(1 << 22));
        QCOMPARE(routes[1].length, uint64_t(2048));
        QCOMPARE(routes[1].deviceOffset, uint64_t(4096 + 8192));
        // A shadow that ends inside the last piece: the rest of the piece is read from the disk.
        const auto clipped = SourceReading::routesOf(extents, 2, nullptr, 4096 + 8192 + 1536);
        QCOMPARE(clipped.size(), size_t(2));
        QCOMPARE(clipped[1].length, uint64_t(1536));
        QCOMPARE(SourceReading::routesOf(extents, 2, nullptr, 4096).size(), size_t(1));
    }
};

QTEST_GUILESS_MAIN(TestSourceRouting)
#include "tst_sourcerouting.moc"
