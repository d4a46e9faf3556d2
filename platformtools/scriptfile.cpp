#include "platformtools/scriptfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

ScriptFile::ScriptFile() = default;
ScriptFile::~ScriptFile() = default;

QByteArray ScriptFile::encode(const QString& text) { return text.toLocal8Bit(); }

bool ScriptFile::createExclusive(const QString& path, const QByteArray& bytes, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        error = file.errorString();
        return false;
    }
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    if (!written) {
        error = file.errorString();
        // Ours alone: NewOnly made it.
        QFile::remove(path);
    }
    return written;
}

bool ScriptFile::write(const QString& fileName, const QString& text)
{
    QString name = fileName;
    while (name.startsWith(QLatin1Char('/')))
        name.remove(0, 1);
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))) {
        m_lastError = QStringLiteral("Invalid script file name: %1").arg(fileName);
        return false;
    }
    m_dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/tessarin_XXXXXX"));
    if (!m_dir->isValid()) {
        m_lastError = m_dir->errorString();
        m_dir.reset();
        return false;
    }
    // mkdtemp already gives 0700; said again for platforms where the default differs.
    QFile::setPermissions(m_dir->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    m_path = m_dir->filePath(name);
    return createExclusive(m_path, encode(text), m_lastError);
}
