#include "core/logger.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>
#ifndef Q_OS_WIN
#include <unistd.h>
#endif

Logger& Logger::instance()
{
    // Never destroyed: threads may still log while the process exits.
    static Logger* logger = new Logger();
    return *logger;
}

QString Logger::levelText(int level)
{
    switch (level) {
    case Debug: return QStringLiteral("DEBUG");
    case Info: return QStringLiteral("INFO ");
    case Warning: return QStringLiteral("WARN ");
    case Error: return QStringLiteral("ERROR");
    default: return QStringLiteral("UNKN ");
    }
}

void Logger::init(const QString& path)
{
    QMutexLocker lock(&m_mutex);
    if (m_fileOpen)
        return;
    QString filePath = path;
    if (filePath.isEmpty()) {
        const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(dir);
        filePath = QDir(dir).filePath(QStringLiteral("Tessarin.log"));
    }
    m_file.setFileName(filePath);
    if (m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        m_stream.setDevice(&m_file);
        m_fileOpen = true;
    }
}

void Logger::log(Level level, const QString& message)
{
    if (level < m_minimumLevel)
        return;
    const QString line = QStringLiteral("[%1] [%2] %3")
                             .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz")),
                                  levelText(level), message);
    Callback callback;
    {
        QMutexLocker lock(&m_mutex);
        if (m_echo) {
            const QByteArray bytes = line.toUtf8();
            std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
            std::fputc('\n', stdout);
            std::fflush(stdout);
        }
        if (m_fileOpen) {
            m_stream << line << "\n";
            m_stream.flush();
        }
        if (level >= Warning)
            callback = m_callback;
    }
    // Called unlocked: a callback may log, or take locks of its own that other threads hold while logging.
    if (callback)
        callback(message, level);
}

void Logger::setConsoleEcho(bool echo)
{
    QMutexLocker lock(&m_mutex);
    m_echo = echo;
}

void Logger::setCallback(Callback callback)
{
    QMutexLocker lock(&m_mutex);
    m_callback = std::move(callback);
}

bool Logger::isFileOpen() const
{
    QMutexLocker lock(&m_mutex);
    return m_fileOpen;
}

QString Logger::filePath() const
{
    QMutexLocker lock(&m_mutex);
    return m_fileOpen ? m_file.fileName() : QString();
}

QString logFolderFor(bool administrator)
{
#ifdef Q_OS_WIN
    Q_UNUSED(administrator);
    QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (desktop.isEmpty())
        desktop = QDir(QDir::homePath()).filePath(QStringLiteral("Desktop"));
    return QDir(desktop).filePath(QStringLiteral("Tessarin_Logs"));
#else
    // Logs are state, not documents: the XDG state folder, or the system's log folder for root
    // unless a state folder was set explicitly (scripts and tests keep their logs to themselves).
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    const bool explicitState = !state.isEmpty() && !QDir::isRelativePath(state);
    if (administrator && !explicitState)
        return QStringLiteral("/var/log/tessarin");
    if (!explicitState)
        state = QDir(QDir::homePath()).filePath(QStringLiteral(".local/state"));
    return QDir(state).filePath(QStringLiteral("tessarin"));
#endif
}

QString logFilePath()
{
#ifdef Q_OS_WIN
    const bool administrator = false;
#else
    const bool administrator = ::geteuid() == 0;
#endif
    QString folder = logFolderFor(administrator);
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isWritable())
        folder = QCoreApplication::applicationDirPath();
    const QString name = QStringLiteral("Tessarin_%1.log")
                             .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_HHmmss")));
    return QDir(folder).filePath(name);
}
