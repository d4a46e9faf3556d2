#pragma once
#include <QByteArray>
#include <QString>

#include <memory>

class QTemporaryDir;

// A script file that exists for one tool run. The program runs elevated, so a fixed name in the
// shared temporary directory could be planted as a link to any file; the file is therefore made
// new (never opening what is already there) inside a directory of its own that only the owner
// may enter, and the directory goes with the object.
class ScriptFile {
public:
    ScriptFile();
    ~ScriptFile();
    ScriptFile(const ScriptFile&) = delete;
    ScriptFile& operator=(const ScriptFile&) = delete;

    // `fileName` is a bare name, with or without a leading "/". The text is stored in the local
    // 8-bit code page, the encoding the tools read scripts in.
    bool write(const QString& fileName, const QString& text);
    QString path() const { return m_path; }
    QString lastError() const { return m_lastError; }

    static QByteArray encode(const QString& text);
    // Writes `bytes` to a file that must not exist yet; a link at `path` is neither followed nor
    // replaced.
    static bool createExclusive(const QString& path, const QByteArray& bytes, QString& error);

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
    QString m_lastError;
};
