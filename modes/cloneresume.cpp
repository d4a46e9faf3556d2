#include "modes/cloneresume.h"

#include "core/alignedbuffer.h"
#include "core/contenthash.h"
#include "core/diskio.h"
#include "core/logger.h"

#include <QByteArray>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

namespace {
constexpr uint64_t MiB = 1048576;
constexpr uint64_t SampleBytes = 64 * 1024;
constexpr size_t FingerprintSamples = 64;
constexpr size_t TargetSamples = 32;
constexpr uint32_t SampleAlignment = 4096;

void putU64(QByteArray& out, uint64_t v)
{
    for (int i = 0; i < 8; ++i)
        out.append(char((v >> (8 * i)) & 0xff));
}

void putText(QByteArray& out, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    putU64(out, uint64_t(bytes.size()));
    out.append(bytes);
}

std::array<uint8_t, 16> hashBytes(const QByteArray& bytes) { return ContentHash::of(bytes.constData(), size_t(bytes.size())); }

}

CloneResume::CloneResume(const CloneConfig& config, const ClonePlan& plan, const QString& folder)
    : m_config(config), m_plan(plan), m_path(journalPath(config, folder))
{
}

QString CloneResume::identity(const DiskInfo& disk)
{
    // Numbers and paths move between boots; a serial number does not.
    const QString where = disk.serialNumber.isEmpty() ? (disk.realPath.isEmpty() ? disk.devicePath : disk.realPath)
                                                      : disk.model + QLatin1Char('#') + disk.serialNumber;
    return where + QLatin1Char('|') + QString::number(disk.size);
}

QString CloneResume::logFolder()
{
    const QString log = Logger::instance().filePath();
    return QFileInfo(log.isEmpty() ? logFilePath() : log).absolutePath();
}

QString CloneResume::journalPath(const CloneConfig& config, const QString& folder)
{
    return CloneJournal::pathFor(folder, identity(config.sourceDisk), identity(config.targetDisk));
}

std::array<uint8_t, 16> CloneResume::planHash(const ClonePlan& plan, const CloneConfig& config)
{
    // Names are left out: they are in the window's language, which may change between the runs.
    QByteArray bytes;
    putU64(bytes, uint64_t(config.mode));
    putU64(bytes, (config.smartClone ? 1u : 0u) | (config.sectorBySector ? 2u : 0u) | (config.align4K ? 4u : 0u));
    putU64(bytes, uint64_t(config.targetBootMode));
    putU64(bytes, uint64_t(config.resizeMode));
    putText(bytes, config.dataPartitionLabel);
    putU64(bytes, uint64_t(config.partitionTarget));
    putU64(bytes, uint64_t(int64_t(config.sourcePartition.partitionNumber)));
    putU64(bytes, uint64_t(int64_t(config.targetPartition.partitionNumber)));
    putU64(bytes, plan.sectorSize);
    for (const ClonePlan::Copy& c : plan.copies) {
        putU64(bytes, uint64_t(c.method));
        putU64(bytes, uint64_t(int64_t(c.partitionIndex)));
        putU64(bytes, c.table ? 1 : 0);
        putU64(bytes, c.extents.size());
        for (const CopyExtent& e : c.extents) {
            putU64(bytes, e.sourceOffset);
            putU64(bytes, e.targetOffset);
            putU64(bytes, e.length);
        }
    }
    return hashBytes(bytes);
}

std::vector<CopyExtent> CloneResume::samples(const std::vector<CopyExtent>& extents, size_t count, uint64_t length,
                                             uint32_t alignment)
{
    std::vector<CopyExtent> out;
    const uint64_t total = CopyBatchPlanner::bytesOf(extents);
    if (total == 0 || count == 0)
        return out;
    const uint64_t step = std::max<uint64_t>(total / count, 1);
    size_t index = 0;
    uint64_t before = 0;  // bytes of the extents ahead of extents[index]
    for (uint64_t at = step / 2; at < total && out.size() < count; at += step) {
        while (before + extents[index].length <= at)
            before += extents[index++].length;
        const CopyExtent& e = extents[index];
        const uint64_t end = e.sourceOffset + e.length;
        uint64_t start = std::max(e.sourceOffset, (e.sourceOffset + (at - before)) / alignment * alignment);
        if (start >= end)
            start = e.sourceOffset;
        const uint64_t n = std::min(length, end - start);
        out.push_back({start, e.targetOffset + (start - e.sourceOffset), n});
    }
    return out;
}

std::vector<CopyExtent> CloneResume::fingerprintRanges(const ClonePlan& plan)
{
    std::vector<CopyExtent> out;
    for (const ClonePlan::Copy& c : plan.copies) {
        if (c.extents.empty())
            continue;
        // Boot sectors, the MFT's first records, the FATs and the table all start a copy.
        const CopyExtent& first = c.extents.front();
        out.push_back({first.sourceOffset, first.targetOffset, std::min(first.length, c.table ? first.length : MiB)});
    }
    const std::vector<CopyExtent> spread = samples(plan.extents(), FingerprintSamples, SampleBytes, SampleAlignment);
    out.insert(out.end(), spread.begin(), spread.end());
    return out;
}

void CloneResume::fingerprint(DiskIO& io, std::array<uint8_t, 16>& out) const
{
    QByteArray all;
    for (const CopyExtent& r : fingerprintRanges(m_plan)) {
        QByteArray bytes(qsizetype(r.length), Qt::Uninitialized);
        // A range that cannot be read (a failing source copied past its bad sectors) stands in as
        // unreadable; it does so again as long as it stays unreadable.
        if (!io.readSourceBytes(r.sourceOffset, r.length, bytes.data())) {
            Logger::instance().info(QStringLiteral("Source bytes %1 to %2 are unreadable for the journal's fingerprint")
                                        .arg(r.sourceOffset).arg(r.sourceOffset + r.length));
            bytes = QByteArrayLiteral("unreadable");
        }
        const std::array<uint8_t, 16> h = hashBytes(bytes);
        all.append(reinterpret_cast<const char*>(h.data()), qsizetype(h.size()));
    }
    out = hashBytes(all);
}

CloneJournalCodec::Header CloneResume::header() const
{
    CloneJournalCodec::Header h;
    h.planHash = planHash(m_plan, m_config);
    h.sourceFingerprint = m_fingerprint;
    h.sourceBytes = m_config.sourceDisk.size;
    h.targetBytes = m_config.targetDisk.size;
    h.sectorSize = m_plan.sectorSize;
    h.sourceIdentity = identity(m_config.sourceDisk).toStdString();
    h.targetIdentity = identity(m_config.targetDisk).toStdString();
    return h;
}

std::vector<CopyExtent> CloneResume::skippableExtents() const
{
    std::vector<CopyExtent> out;
    for (const ClonePlan::Copy& c : m_plan.copies)
        if (!c.table)
            out.insert(out.end(), c.extents.begin(), c.extents.end());
    return out;
}

bool CloneResume::begin(DiskIO& io, QString& error)
{
    Logger& log = Logger::instance();
    m_resuming = m_config.resume;
    fingerprint(io, m_fingerprint);
    if (!m_resuming) {
        // The clean that follows makes whatever an earlier run left on the target worthless.
        if (CloneJournal::exists(m_path) && CloneJournal::remove(m_path))
            log.info(QStringLiteral("The journal of an earlier run onto this target was removed: %1").arg(m_path));
        return true;
    }
    if (!CloneJournal::exists(m_path)) {
        error = tr("There is no journal of an interrupted clone from this source onto this target to resume (%1)").arg(m_path);
        return false;
    }
    QString why;
    if (!CloneJournal::load(m_path, m_contents, why)) {
        error = tr("The journal of the interrupted clone cannot be used: %1").arg(why);
        return false;
    }
    const CloneJournalCodec::Header expected = header();
    const CloneJournalCodec::Header& found = m_contents.header;
    if (found.sourceIdentity != expected.sourceIdentity || found.sourceBytes != expected.sourceBytes)
        error = tr("The journal was written for another source disk (%1)").arg(QString::fromStdString(found.sourceIdentity));
    else if (found.targetIdentity != expected.targetIdentity || found.targetBytes != expected.targetBytes)
        error = tr("The journal was written for another target disk (%1)").arg(QString::fromStdString(found.targetIdentity));
    else if (found.planHash != expected.planHash || found.sectorSize != expected.sectorSize)
        error = tr("The interrupted clone had another plan (other options, or the source's used space changed)");
    else if (found.sourceFingerprint != expected.sourceFingerprint)
        error = tr("The source has changed since the interrupted clone");
    if (!error.isEmpty()) {
        error += tr("; start the clone again without resuming to copy everything");
        return false;
    }
    for (const CopyExtent& e : m_contents.copied)
        m_copied.add(e);
    const std::vector<CopyExtent> skippable = skippableExtents();
    log.info(QStringLiteral("Resuming from %1: %2 of %3 MB are on the target already")
                 .arg(m_path)
                 .arg(m_copied.bytesIn(skippable) / MiB)
                 .arg(CopyBatchPlanner::bytesOf(skippable) / MiB));
    return true;
}

bool CloneResume::checkTarget(DiskIO& io, QString& error) const
{
    const std::vector<CopyExtent> listed = m_copied.covered(skippableExtents());
    for (const CopyExtent& s : samples(listed, TargetSamples, SampleBytes, SampleAlignment)) {
        AlignedBuffer source(s.length, SampleAlignment), target(s.length, SampleAlignment);
        // Where the source cannot be read the copy holds zeros, which proves nothing either way.
        if (source && !io.readSourceBytes(s.sourceOffset, s.length, source.data()))
            continue;
        if (!source || !target || !io.readTargetBytes(s.targetOffset, s.length, target.data())) {
            error = tr("The disks cannot be read to check the interrupted clone: %1").arg(io.lastError());
            return false;
        }
        if (std::memcmp(source.data(), target.data(), size_t(s.length)) != 0) {
            error = tr("The target no longer holds what the journal says was copied (byte %1 differs); start the clone "
                       "again without resuming to copy everything").arg(s.targetOffset);
            return false;
        }
    }
    return true;
}

bool CloneResume::record(DiskIO& io, QString& error)
{
    const bool opened = m_resuming ? m_journal.open(m_path) : m_journal.create(m_path, header());
    if (!opened) {
        error = tr("The clone's journal cannot be written: %1").arg(m_journal.lastError());
        return false;
    }
    for (const auto& [first, count] : m_contents.unreadable)
        io.addUnreadable(first, count);
    io.setCheckpoint([this](const std::vector<CopyExtent>& flushed, const CopyPipeline::Unreadable& unreadable) {
        if (m_journal.append(flushed, unreadable))
            return true;
        Logger::instance().warning(QStringLiteral("The clone's journal cannot be written, an interruption from here on "
                                                  "starts over: %1").arg(m_journal.lastError()));
        return false;
    });
    return true;
}

void CloneResume::finish()
{
    m_journal.close();
    CloneJournal::remove(m_path);
}

bool CloneResume::pending(const CloneConfig& config, const ClonePlan& plan, const QString& folder, uint64_t& copiedBytes)
{
    CloneJournalCodec::Contents contents;
    QString why;
    const QString path = journalPath(config, folder);
    if (!CloneJournal::exists(path) || !CloneJournal::load(path, contents, why)
        || contents.header.planHash != planHash(plan, config))
        return false;
    CopiedExtents copied;
    for (const CopyExtent& e : contents.copied)
        copied.add(e);
    copiedBytes = copied.bytesIn(plan.extents());
    return true;
}
