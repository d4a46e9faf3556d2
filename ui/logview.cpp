#include "ui/logview.h"

#include <QDateTime>
#include <QScrollBar>
#include <QTextBlock>

namespace {
QString levelColour(const QString& levelText)
{
    if (levelText == QLatin1String("ERROR"))
        return QStringLiteral("#EF4444");
    if (levelText == QLatin1String("WARNING"))
        return QStringLiteral("#F59E0B");
    if (levelText == QLatin1String("SUCCESS"))
        return QStringLiteral("#10B981");
    if (levelText == QLatin1String("INFO"))
        return QStringLiteral("#60A5FA");
    return QStringLiteral("#9CA3AF");
}

QString levelName(Logger::Level level)
{
    switch (level) {
    case Logger::Debug: return QStringLiteral("DEBUG");
    case Logger::Info: return QStringLiteral("INFO");
    case Logger::Warning: return QStringLiteral("WARNING");
    case Logger::Error: return QStringLiteral("ERROR");
    }
    return QStringLiteral("UNKNOWN");
}
}

LogView::LogView(QWidget* parent)
    : QTextEdit(parent)
{
    setObjectName(QStringLiteral("logOutput"));
    setReadOnly(true);
    setAcceptRichText(true);
    setMinimumHeight(128);
    setFont(QFont(QStringLiteral("Consolas"), 9));
    document()->setMaximumBlockCount(MaxLines);
}

void LogView::appendLine(const QString& message, const QString& levelText)
{
    insert(QDateTime::currentDateTime().toString(QStringLiteral("hh:mm:ss")), levelText, message);
}

void LogView::appendLoggerLine(const QString& message, Logger::Level level)
{
    insert(QDateTime::currentDateTime().toString(QStringLiteral("hh:mm:ss.zzz")), levelName(level), message);
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void LogView::appendStatus(Tessarin::CloneStatus status)
{
    if (status == Tessarin::Completed || status == Tessarin::Failed || status == Tessarin::Cancelled
        || m_statusesShown.contains(status))
        return;
    m_statusesShown.append(status);
    appendLine(Tessarin::statusText(status), QStringLiteral("INFO"));
}

void LogView::clear()
{
    m_statusesShown.clear();
    QTextEdit::clear();
}

void LogView::insert(const QString& time, const QString& levelText, const QString& message)
{
    const QString html = QStringLiteral("<span style='color: #6B7280;'>[%1]</span> <span style='color: %2;'>[%3]</span> "
                                        "<span style='color: #D1D5DB;'>%4</span>")
                             .arg(time, levelColour(levelText), levelText, message.toHtmlEscaped());
    // One block per line, so the document's block limit drops whole old lines.
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    if (!document()->isEmpty())
        cursor.insertBlock();
    cursor.insertHtml(html);
    setTextCursor(cursor);
}
