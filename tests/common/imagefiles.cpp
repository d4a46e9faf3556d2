#include "common/imagefiles.h"

#include <QFile>
#include <filesystem>
#include <system_error>
#include <xxhash.h>

bool makeSparseFile(const QString& path, qint64 bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.resize(bytes);
}

QByteArray contentHash(const QString& path, qint64 offset, qint64 length)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || offset < 0 || offset > f.size())
        return {};
    const qint64 size = length < 0 ? f.size() - offset : length;
    if (offset + size > f.size())
        return {};
    const uchar* bytes = size > 0 ? f.map(offset, size) : nullptr;
    if (size > 0 && !bytes)
        return {};
    const XXH128_hash_t h = XXH3_128bits(bytes, size_t(size));
    QByteArray out(16, Qt::Uninitialized);
    XXH128_canonicalFromHash(reinterpret_cast<XXH128_canonical_t*>(out.data()), h);
    return out;
}

QByteArray readFileBytes(const QString& path, qint64 offset, qint64 length)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || !f.seek(offset))
        return {};
    return f.read(length);
}

bool writeFileBytes(const QString& path, qint64 offset, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::ReadWrite) && f.seek(offset) && f.write(bytes) == bytes.size();
}

bool linkFile(const QString& target, const QString& link)
{
#ifdef Q_OS_WIN
    std::error_code error;
    std::filesystem::create_hard_link(target.toStdWString(), link.toStdWString(), error);
    return !error;
#else
    return QFile::link(target, link);
#endif
}
