#pragma once
#include "core/logger.h"
#include "core/tessarin.h"

#include <QTextEdit>

// The dark log pane of the progress page: one coloured line per message, the newest MaxLines kept.
class LogView : public QTextEdit {
    Q_OBJECT
public:
    explicit LogView(QWidget* parent = nullptr);

    static constexpr int MaxLines = 200;

    // A line of the window's own ("INFO", "WARNING", "ERROR", "SUCCESS"), stamped to the second.
    void appendLine(const QString& message, const QString& levelText);
    // A line from the logger, stamped to the millisecond; the view follows it to the bottom.
    void appendLoggerLine(const QString& message, Logger::Level level);
    // A line for the run's phase the first time the run enters it: a copy that verifies range by
    // range moves between copying and verifying many times. Endings have their own line; clear()
    // starts a new run.
    void appendStatus(Tessarin::CloneStatus status);
    void clear();

private:
    QList<Tessarin::CloneStatus> m_statusesShown;

    void insert(const QString& time, const QString& levelText, const QString& message);
};
