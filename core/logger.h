#pragma once
#include <QFile>
#include <QMutex>
#include <QString>
#include <QTextStream>
#include <functional>

// The process-wide log: standard output, a file, and a callback for warnings and errors.
class Logger {
public:
    enum Level { Debug = 0, Info = 1, Warning = 2, Error = 3 };
    using Callback = std::function<void(const QString& message, Logger::Level level)>;

    static Logger& instance();

    void init(const QString& path = QString());
    void log(Level level, const QString& message);
    void info(const QString& message) { log(Info, message); }
    void warning(const QString& message) { log(Warning, message); }
    void error(const QString& message) { log(Error, message); }
    void setCallback(Callback callback);
    // Off where standard output belongs to someone else (the console program's progress and JSON).
    void setConsoleEcho(bool echo);

    bool isFileOpen() const;
    QString filePath() const;
    static QString levelText(int level);

private:
    Logger() = default;
    mutable QMutex m_mutex;
    QFile m_file;
    QTextStream m_stream;
    Level m_minimumLevel = Info;
    bool m_fileOpen = false;
    bool m_echo = true;
    Callback m_callback;
};

// Where the logs go: Desktop/Tessarin_Logs on Windows; on Linux $XDG_STATE_HOME/tessarin
// (~/.local/state/tessarin), or /var/log/tessarin for an administrator without an explicit state folder.
QString logFolderFor(bool administrator);
// This run's log file, Tessarin_<yyyyMMdd_HHmmss>.log in that folder, or beside the executable.
QString logFilePath();
