#pragma once
// Image files read, written and compared from tests on every platform.
#include <QByteArray>
#include <QString>

bool makeSparseFile(const QString& path, qint64 bytes);
// A 128-bit digest (XXH3) of `length` bytes of a file from `offset` (to its end when negative);
// empty when the file cannot be read. Images are compared by it: SHA-256 took most of a test's time.
QByteArray contentHash(const QString& path, qint64 offset = 0, qint64 length = -1);
QByteArray readFileBytes(const QString& path, qint64 offset, qint64 length);
bool writeFileBytes(const QString& path, qint64 offset, const QByteArray& bytes);
// `link` becomes `target` under another name: a symbolic link, or on Windows a hard link (a Qt
// link there is a shortcut, a file of its own).
bool linkFile(const QString& target, const QString& link);
