#include "common/memoryplatform.h"
#include "core/copypipeline.h"
#include "platform/platform.h"
#include "platform/platformdevices.h"
#include "platform/threadedasyncio.h"

#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <set>

namespace {

constexpr uint64_t KiB = 1024;
constexpr uint64_t MiB = 1024 * 1024;
constexpr uint32_t NotEnoughMemory = 8;       // transient answers of an overlapped transfer
constexpr uint32_t InvalidUserBuffer = 1784;

// A queue that holds at most `capacity` transfers, as a Windows queue with a fixed set of events
// does, and refuses more with Busy. Held transfers run when reaped, newest first. A transfer the
// `hangs` rule picks never ends until cancel(); a wait on nothing but such transfers comes back
// empty, and after many of them the queue gives up and fails the transfer so a test cannot hang.
class BoundedQueue : public AsyncIo {
public:
    struct Rules {
        size_t capacity = 8;
        unsigned busyEvery = 0;  // also refuse every n-th submit while any is held
        std::function<bool(const AsyncRequest&)> hangs;
        std::function<bool(const AsyncRequest&)> failsOnce;  // ends with `failCode`, the first time only
        uint32_t failCode = NotEnoughMemory;
    };
    explicit BoundedQueue(Rules rules) : m_rules(std::move(rules)) {}

    size_t capacity() const override { return m_rules.capacity; }
    void cancel() override { m_cancelRequested = true; }

    bool submit(const AsyncRequest& request) override
    {
        ++m_submits;
        const bool spurious = m_rules.busyEvery && !m_held.empty() && m_submits % m_rules.busyEvery == 0;
        if (m_held.size() >= m_rules.capacity || spurious) {
            ++refused;
            Platform::setLastError(PlatformError::Busy, "The queue is full");
            return false;
        }
        m_held.push_back(Held{request, m_rules.hangs && m_rules.hangs(request)});
        if (m_held.back().hung && onHang)
            onHang();
        most = std::max(most, m_held.size());
        return true;
    }
    bool reap(std::vector<AsyncCompletion>& out, bool wait) override
    {
        const size_t before = out.size();
        for (size_t i = m_held.size(); i-- > 0;) {
            Held& h = m_held[i];
            if (h.hung && !m_cancelRequested && ++m_emptyWaits < GiveUpAfter)
                continue;
            if (h.hung)
                gaveUp = gaveUp || !m_cancelRequested;
            out.push_back(h.hung ? aborted(h.request) : perform(h.request));
            m_held.erase(m_held.begin() + std::ptrdiff_t(i));
        }
        (void)wait;  // a wait that sees nothing end comes back empty, as after a time-out
        return out.size() >= before;
    }
    size_t inFlight() const override { return m_held.size(); }
    std::string kind() const override { return "bounded"; }

    size_t most = 0;
    int refused = 0;
    bool gaveUp = false;
    std::function<void()> onHang;

private:
    static constexpr int GiveUpAfter = 10000;
    struct Held {
        AsyncRequest request;
        bool hung = false;
    };
    static AsyncCompletion aborted(const AsyncRequest& r)
    {
        AsyncCompletion c;
        c.tag = r.tag;
        c.errorCode = PlatformError::OperationAborted;
        c.errorText = "The transfer was cancelled";
        return c;
    }
    AsyncCompletion perform(const AsyncRequest& r)
    {
        AsyncCompletion c;
        c.tag = r.tag;
        if (m_rules.failsOnce && m_rules.failsOnce(r) && m_failed.insert({r.write, r.offset}).second) {
            c.errorCode = m_rules.failCode;
            c.errorText = "Transient failure";
            return c;
        }
        c.ok = r.write ? r.handle->writeAt(r.offset, r.buffer, r.length, c.done) : r.handle->readAt(r.offset, r.buffer, r.length, c.done);
        if (!c.ok) {
            c.errorCode = Platform::lastErrorCode();
            c.errorText = Platform::lastErrorText();
        }
        return c;
    }

    Rules m_rules;
    std::vector<Held> m_held;
    std::set<std::pair<bool, uint64_t>> m_failed;
    uint64_t m_submits = 0;
    int m_emptyWaits = 0;
    bool m_cancelRequested = false;
};

// Thousands of extents of 512 bytes to 3.5 KiB at 4 KiB steps, the target shifted by a sector: what
// a badly fragmented volume gives.
std::vector<CopyExtent> scattered(uint64_t span)
{
    std::vector<CopyExtent> out;
    for (uint64_t at = 0, i = 0; at + 4 * KiB <= span; at += 4 * KiB, ++i)
        out.push_back({at + (i % 3) * 512, at + (i % 3) * 512 + 512, 512 * (1 + i * 5 % 7)});
    return out;
}

struct Rig {
    Rig()
    {
        src = mp.addDisk(Size);
        dst = mp.addDisk(Size + MiB);
        mp.fillPattern(src, 5);
        source = mp.openDevice(MemoryPlatform::diskPath(src), DeviceAccess::Read, DeviceFlags::None);
        target = mp.openDevice(MemoryPlatform::diskPath(dst), DeviceAccess::ReadWrite, DeviceFlags::None);
        for (int i = 0; i < 8; ++i)
            buffers.emplace_back(64 * KiB, 4096);
    }
    // Every extent's bytes are on the target, and nothing else was written.
    bool copied(const std::vector<CopyExtent>& extents)
    {
        std::vector<uint8_t> expected(mp.data(dst).size(), 0);
        for (const CopyExtent& e : extents)
            std::copy_n(mp.data(src).begin() + std::ptrdiff_t(e.sourceOffset), e.length, expected.begin() + std::ptrdiff_t(e.targetOffset));
        return expected == mp.data(dst);
    }
    static constexpr uint64_t Size = 16 * MiB;
    MemoryPlatform mp;
    ScopedPlatform scope{&mp};
    int src = -1, dst = -1;
    std::unique_ptr<DeviceHandle> source, target;
    std::vector<AlignedBuffer> buffers;
};

} // namespace

class CopyPipelineTest : public QObject {
    Q_OBJECT
private slots:
    // A queue of few places, and one that now and then refuses a transfer it has room for, still
    // copies and verifies every piece of a fragmented volume; it is never asked for more than it holds.
    void boundedQueueCopiesFragmentedExtents()
    {
        struct Case { const char* name; size_t capacity; unsigned busyEvery; };
        for (const Case& c : {Case{"one place", 1, 0}, Case{"three places", 3, 0}, Case{"eight places", 8, 0},
                              Case{"eight, refusing every 7th", 8, 7}, Case{"two, refusing every 3rd", 2, 3}}) {
            Rig rig;
            const std::vector<CopyExtent> extents = scattered(Rig::Size);
            QVERIFY(extents.size() > 4000);
            BoundedQueue queue({c.capacity, c.busyEvery, {}, {}, NotEnoughMemory});
            const std::atomic<bool> cancelled{false};
            CopyPipeline::Settings settings;
            settings.verify = true;
            CopyPipeline pipeline(rig.source.get(), rig.target.get(), queue, rig.buffers, cancelled, settings);
            QVERIFY2(pipeline.run(extents), qPrintable(QStringLiteral("%1: %2").arg(c.name, QString::fromStdString(pipeline.failureText()))));
            QVERIFY2(rig.copied(extents), c.name);
            QVERIFY2(queue.most <= c.capacity && queue.inFlight() == 0, c.name);
            QVERIFY2(c.busyEvery == 0 || queue.refused > 0, c.name);
        }
    }

    // A transfer that never ends does not keep Cancel from stopping the copy: the queue is asked to
    // cancel, and the copy reports a cancel, not a failure of the aborted transfer.
    void cancelInterruptsHungTransfer()
    {
        struct Case { bool hangOnWrite; size_t capacity; };
        for (const Case& c : {Case{false, 4096}, Case{true, 4096}, Case{false, 4}, Case{true, 4}}) {
            const bool hangOnWrite = c.hangOnWrite;
            Rig rig;
            std::atomic<bool> cancelled{false};
            BoundedQueue queue({c.capacity, 0, [&](const AsyncRequest& r) { return r.write == hangOnWrite && r.offset >= 3 * MiB; }, {}, NotEnoughMemory});
            queue.onHang = [&] { cancelled = true; };
            CopyPipeline pipeline(rig.source.get(), rig.target.get(), queue, rig.buffers, cancelled, CopyPipeline::Settings{});
            QVERIFY(!pipeline.run(scattered(Rig::Size)));
            QCOMPARE(pipeline.failure(), CopyPipeline::Failure::Cancelled);
            QVERIFY(!queue.gaveUp);
            QCOMPARE(queue.inFlight(), size_t(0));
            QVERIFY(pipeline.stoppedAt() <= 3 * MiB);
        }
    }

    // A batched transfer that fails once with an answer a retry cures (source reads and read-backs in
    // the read rows) is re-done unit by unit, and the copy goes on with the right bytes instead of stopping.
    void transientFailureIsRetried()
    {
        struct Case { const char* name; bool write; uint32_t code; size_t capacity; };
        for (const Case& c : {Case{"read, out of memory", false, NotEnoughMemory, 4096}, Case{"read, user buffer", false, InvalidUserBuffer, 8},
                              Case{"write, out of memory", true, NotEnoughMemory, 4096}, Case{"write, user buffer", true, InvalidUserBuffer, 2}}) {
            Rig rig;
            const std::vector<CopyExtent> extents = scattered(4 * MiB);
            const auto picked = [&](const AsyncRequest& r) { return r.write == c.write && r.offset / (256 * KiB) % 3 == 1; };
            BoundedQueue queue({c.capacity, 0, {}, picked, c.code});
            const std::atomic<bool> cancelled{false};
            CopyPipeline::Settings settings;
            settings.verify = true;
            CopyPipeline pipeline(rig.source.get(), rig.target.get(), queue, rig.buffers, cancelled, settings);
            QVERIFY2(pipeline.run(extents), qPrintable(QStringLiteral("%1: %2").arg(c.name, QString::fromStdString(pipeline.failureText()))));
            QVERIFY2(rig.copied(extents) && pipeline.unreadable().isEmpty(), c.name);
        }
    }

    // The queues the program runs on keep the same contract: up to capacity() every transfer is
    // taken, one more is refused as Busy and not queued, and after a cancel every one comes back,
    // finished with the right bytes or aborted.
    void nativeQueuesKeepTheContract()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("queue.img"));
        constexpr uint64_t Block = 4096, Blocks = 1024;
        QByteArray bytes(qsizetype(Block * Blocks), '\0');
        for (qsizetype i = 0; i < bytes.size(); ++i)
            bytes[i] = char(i * 7 / 4096 + i);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        PlatformDevices& devices = *Platform::native().parts().devices;
        for (const bool threads : {false, true}) {
            const std::unique_ptr<DeviceHandle> h = devices.openDevice(path.toStdString(), DeviceAccess::Read, DeviceFlags::None);
            const std::unique_ptr<AsyncIo> io = threads ? std::make_unique<ThreadedAsyncIo>(8) : devices.createAsyncIo(8);
            QVERIFY(h && io);
            const size_t n = size_t(std::min<uint64_t>(io->capacity(), Blocks));
            QVERIFY2(n >= 8, io->kind().c_str());
            std::vector<uint8_t> data(n * Block, 0);
            for (size_t i = 0; i < n; ++i)
                QVERIFY2(io->submit({h.get(), false, i * Block, data.data() + i * Block, Block, i}), io->kind().c_str());
            if (io->capacity() == n) {
                QVERIFY(!io->submit({h.get(), false, 0, data.data(), Block, n}));
                QCOMPARE(Platform::lastErrorCode(), PlatformError::Busy);
                QCOMPARE(io->inFlight(), n);
            }
            io->cancel();
            std::vector<AsyncCompletion> done;
            for (int i = 0; i < 1000 && io->inFlight() > 0; ++i)
                QVERIFY(io->reap(done, true));
            QCOMPARE(done.size(), n);
            std::set<uint64_t> tags;
            for (const AsyncCompletion& c : done) {
                tags.insert(c.tag);
                const uint8_t* got = data.data() + c.tag * Block;
                QVERIFY2(c.ok ? c.done == Block && std::equal(got, got + Block, reinterpret_cast<const uint8_t*>(bytes.constData()) + c.tag * Block)
                              : c.errorCode == PlatformError::OperationAborted,
                         qPrintable(QStringLiteral("%1: %2").arg(QString::fromStdString(io->kind()), QString::fromStdString(c.errorText))));
            }
            QCOMPARE(tags.size(), n);
        }
    }
};

QTEST_GUILESS_MAIN(CopyPipelineTest)
#include "tst_copypipeline.moc"
