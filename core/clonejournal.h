#pragma once
#include "core/clonejournalcodec.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

class QFile;

// The resume journal of one clone on disk: a header written when the copy starts, then one record
// group appended per call as the copy goes on, each durable before the call returns, so that what
// the journal says is on the target survives a crash or a power loss.
class CloneJournal {
public:
    CloneJournal();
    ~CloneJournal();
    CloneJournal(const CloneJournal&) = delete;
    CloneJournal& operator=(const CloneJournal&) = delete;

    // Replaces any journal at `path` with a new one holding only the header. Durable when it
    // returns true, so it belongs before the first write to the target.
    bool create(const QString& path, const CloneJournalCodec::Header& header);
    // Opens a journal that load() accepted, to go on appending to it (a resumed run).
    bool open(const QString& path);
    // Adds what was copied and what could not be read in one write, then makes it durable. Only
    // extents whose target writes were flushed to the device belong here: a journal that runs ahead
    // of the target's cache would skip data a power loss took. After a failed append the journal
    // takes no more: its tail is unknown.
    bool append(const std::vector<CopyExtent>& copied, const std::vector<std::pair<uint64_t, uint64_t>>& unreadable);
    void close();
    bool isOpen() const;
    QString lastError() const { return m_lastError; }

    // The whole journal or nothing; `error` names the byte offset of any damage.
    static bool load(const QString& path, CloneJournalCodec::Contents& out, QString& error);
    static bool exists(const QString& path);
    // True also when there was nothing to remove.
    static bool remove(const QString& path);
    // One journal per source and target pair: "resume-<16 hex digits>.journal" in `folder`.
    static QString pathFor(const QString& folder, const QString& sourcePath, const QString& targetPath);

private:
    bool fail(const QString& message);
    bool writeDurably(const std::vector<uint8_t>& bytes);
    static bool syncFolderOf(const QString& path);

    std::unique_ptr<QFile> m_file;
    QString m_lastError;
};
