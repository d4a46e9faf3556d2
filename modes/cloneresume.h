#pragma once
#include "core/clonejournal.h"
#include "core/clonejournalcodec.h"
#include "core/cloneconfig.h"
#include "core/copiedextents.h"
#include "modes/cloneplan.h"

#include <QCoreApplication>
#include <QString>
#include <array>
#include <vector>

class DiskIO;

// The journal of one run, so that an interrupted clone can go on where it stopped. A fresh run
// replaces the journal of the same disks and records every range once a flush made it durable; a
// resumed run takes the journal only when the disks, the plan and the source's state are those it
// was written for, and skips what it lists.
class CloneResume {
    Q_DECLARE_TR_FUNCTIONS(CloneResume)
public:
    CloneResume(const CloneConfig& config, const ClonePlan& plan, const QString& folder);

    // Fresh run: the old journal of these disks goes (the clean makes it wrong). Resumed run: the
    // journal is loaded and checked against the disks, the plan and the source. False with a reason.
    bool begin(DiskIO& io, QString& error);
    // Resumed run, with the target open and not yet written: samples of what the journal lists must
    // be on the target as on the source.
    bool checkTarget(DiskIO& io, QString& error) const;
    // From here on the DiskIO's checkpoints go to the journal. False when it cannot be written.
    bool record(DiskIO& io, QString& error);
    // The run finished: nothing is left to resume.
    void finish();

    bool isResuming() const { return m_resuming; }
    // The journal is being written: a run that stops from here on can be resumed.
    bool isRecording() const { return m_journal.isOpen(); }
    const CopiedExtents& copied() const { return m_copied; }
    const QString& path() const { return m_path; }
    // The journal of an interrupted run of this plan, if one exists: how much of it is on the target.
    static bool pending(const CloneConfig& config, const ClonePlan& plan, const QString& folder, uint64_t& copiedBytes);

    // Pure parts.
    static std::array<uint8_t, 16> planHash(const ClonePlan& plan, const CloneConfig& config);
    // Source ranges whose bytes stand for its state: the table region, the start of every copy and
    // samples spread evenly over all copied bytes.
    static std::vector<CopyExtent> fingerprintRanges(const ClonePlan& plan);
    // `count` ranges of at most `length` bytes spread evenly over `extents`, on `alignment` boundaries.
    static std::vector<CopyExtent> samples(const std::vector<CopyExtent>& extents, size_t count, uint64_t length,
                                           uint32_t alignment);
    static QString identity(const DiskInfo& disk);
    static QString journalPath(const CloneConfig& config, const QString& folder);
    // Where the journals lie: beside the log.
    static QString logFolder();

private:
    void fingerprint(DiskIO& io, std::array<uint8_t, 16>& out) const;
    CloneJournalCodec::Header header() const;
    // The copies whose ranges a resumed run may skip; the table region is always written again.
    std::vector<CopyExtent> skippableExtents() const;

    CloneConfig m_config;
    ClonePlan m_plan;
    QString m_path;
    bool m_resuming = false;
    std::array<uint8_t, 16> m_fingerprint{};
    CloneJournalCodec::Contents m_contents;
    CopiedExtents m_copied;
    CloneJournal m_journal;
};
