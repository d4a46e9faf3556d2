#include "core/clonejournal.h"

#include "core/logger.h"
#include "platform/platform.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
// Far above any real journal (a million extents take 24 MiB); a bigger file is not ours.
constexpr qint64 MaxJournalBytes = qint64(1) << 30;
constexpr int NameHashBytes = 8;

QString platformReason()
{
    return QString::fromStdString(Platform::lastErrorText());
}
}

CloneJournal::CloneJournal() = default;

CloneJournal::~CloneJournal() = default;

bool CloneJournal::fail(const QString& message)
{
    m_lastError = message;
    Logger::instance().warning(message);
    close();
    return false;
}

bool CloneJournal::syncFolderOf(const QString& path)
{
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    return Platform::files().syncFolder(folder.toUtf8().toStdString());
}

bool CloneJournal::create(const QString& path, const CloneJournalCodec::Header& header)
{
    close();
    m_lastError.clear();
    const std::vector<uint8_t> bytes = CloneJournalCodec::encodeHeader(header);
    if (bytes.empty())
        return fail(QStringLiteral("Cannot start the resume journal %1: an identity is too long or the sector size is invalid")
                        .arg(path));
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return fail(QStringLiteral("Cannot create the folder of the resume journal %1").arg(path));
    // The old journal goes first and for good: it must never come back beside the new run.
    if (QFile::exists(path) && (!QFile::remove(path) || !syncFolderOf(path)))
        return fail(QStringLiteral("Cannot replace the old resume journal %1").arg(path));
    m_file = std::make_unique<QFile>(path);
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return fail(QStringLiteral("Cannot create the resume journal %1: %2").arg(path, m_file->errorString()));
    if (!writeDurably(bytes))
        return false;
    if (!syncFolderOf(path))
        return fail(QStringLiteral("Cannot make the resume journal %1 durable: %2").arg(path, platformReason()));
    Logger::instance().info(QStringLiteral("Resume journal started: %1").arg(path));
    return true;
}

bool CloneJournal::open(const QString& path)
{
    close();
    m_lastError.clear();
    m_file = std::make_unique<QFile>(path);
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::ExistingOnly | QIODevice::Unbuffered)) {
        const QString why = m_file->errorString();
        m_file.reset();
        return fail(QStringLiteral("Cannot open the resume journal %1: %2").arg(path, why));
    }
    Logger::instance().info(QStringLiteral("Resume journal continued: %1").arg(path));
    return true;
}

bool CloneJournal::append(const std::vector<CopyExtent>& copied,
                          const std::vector<std::pair<uint64_t, uint64_t>>& unreadable)
{
    if (!isOpen())
        return fail(m_lastError.isEmpty() ? QStringLiteral("The resume journal is not open") : m_lastError);
    std::vector<uint8_t> bytes = CloneJournalCodec::encodeCopied(copied);
    const std::vector<uint8_t> bad = CloneJournalCodec::encodeUnreadable(unreadable);
    bytes.insert(bytes.end(), bad.begin(), bad.end());
    return bytes.empty() || writeDurably(bytes);
}

bool CloneJournal::writeDurably(const std::vector<uint8_t>& bytes)
{
    const QString path = m_file->fileName();
    qint64 done = 0;
    while (done < qint64(bytes.size())) {
        const qint64 n = m_file->write(reinterpret_cast<const char*>(bytes.data()) + done, qint64(bytes.size()) - done);
        if (n <= 0)
            return fail(QStringLiteral("Cannot write the resume journal %1: %2").arg(path, m_file->errorString()));
        done += n;
    }
    if (!m_file->flush() || !Platform::files().syncFileData(m_file->handle()))
        return fail(QStringLiteral("Cannot make the resume journal %1 durable: %2").arg(path, platformReason()));
    return true;
}

void CloneJournal::close()
{
    if (m_file)
        m_file->close();
    m_file.reset();
}

bool CloneJournal::isOpen() const
{
    return m_file && m_file->isOpen();
}

bool CloneJournal::load(const QString& path, CloneJournalCodec::Contents& out, QString& error)
{
    out = CloneJournalCodec::Contents();
    QFile file(path);
    if (!file.exists()) {
        error = QStringLiteral("There is no resume journal at %1").arg(path);
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Cannot open the resume journal %1: %2").arg(path, file.errorString());
        return false;
    }
    if (file.size() > MaxJournalBytes) {
        error = QStringLiteral("The resume journal %1 is refused: it is larger than any journal can be").arg(path);
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() != file.size()) {
        error = QStringLiteral("Cannot read the resume journal %1: %2").arg(path, file.errorString());
        return false;
    }
    size_t badOffset = 0;
    const CloneJournalCodec::Status status = CloneJournalCodec::decode(
        reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()), out, badOffset);
    if (status != CloneJournalCodec::Status::Ok) {
        error = QStringLiteral("The resume journal %1 is refused at byte %2: %3")
                    .arg(path)
                    .arg(badOffset)
                    .arg(QString::fromStdString(CloneJournalCodec::statusText(status)));
        return false;
    }
    error.clear();
    return true;
}

bool CloneJournal::exists(const QString& path)
{
    return QFileInfo(path).isFile();
}

bool CloneJournal::remove(const QString& path)
{
    if (!QFileInfo::exists(path))
        return true;
    if (!QFile::remove(path)) {
        Logger::instance().warning(QStringLiteral("Cannot remove the resume journal %1").arg(path));
        return false;
    }
    // A finished clone's journal must not reappear after a power loss and offer a stale resume.
    return syncFolderOf(path);
}

QString CloneJournal::pathFor(const QString& folder, const QString& sourcePath, const QString& targetPath)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(sourcePath.toUtf8());
    hash.addData(QByteArrayView("\0", 1));
    hash.addData(targetPath.toUtf8());
    const QString name = QStringLiteral("resume-%1.journal")
                             .arg(QString::fromLatin1(hash.result().left(NameHashBytes).toHex()));
    return QDir(folder).filePath(name);
}
