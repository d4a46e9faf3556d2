#pragma once
#include "core/logger.h"

#include <QFile>
#include <QTemporaryDir>

// Sends the log to a file and returns what was written since mark().
class LogCapture {
public:
    void init(const QTemporaryDir& dir)
    {
        m_path = dir.filePath(QStringLiteral("test.log"));
        Logger::instance().init(m_path);
    }
    void mark() { m_offset = QFile(m_path).size(); }
    QString since() const
    {
        QFile f(m_path);
        if (!f.open(QIODevice::ReadOnly))
            return QString();
        f.seek(m_offset);
        return QString::fromUtf8(f.readAll());
    }

private:
    QString m_path;
    qint64 m_offset = 0;
};
