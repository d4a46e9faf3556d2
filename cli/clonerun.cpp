#include "cli/clonerun.h"

#include "core/logger.h"
#include "engine/cloneengine.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <cstdio>

std::atomic<bool> CloneRun::s_cancelRequested{false};

namespace {
constexpr int CancelPollMs = 100;
constexpr int JsonReportMs = 1000;
constexpr int TerminalReportMs = 200;

QString timeText(qint64 seconds)
{
    return seconds < 3600 ? QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'))
                          : QStringLiteral("%1:%2:%3").arg(seconds / 3600).arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                                .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// The check's "severity: text" lines as objects, so a script need not parse them.
QJsonArray findingsArray(const QStringList& lines)
{
    QJsonArray out;
    for (const QString& line : lines) {
        const qsizetype colon = line.indexOf(QLatin1String(": "));
        out.append(QJsonObject{{QStringLiteral("severity"), line.left(colon)}, {QStringLiteral("text"), line.mid(colon + 2)}});
    }
    return out;
}

qint64 secondsLeft(const CloneProgress& p)
{
    if (p.speed == 0 || p.copiedBytes >= p.totalBytes)
        return -1;
    return qint64((p.totalBytes - p.copiedBytes) / p.speed);
}
} // namespace

CloneRun::CloneRun(const CloneConfig& config, bool json, bool terminal, QObject* parent)
    : QObject(parent), m_engine(new CloneEngine(this)), m_cancelPoll(new QTimer(this)), m_json(json),
      m_terminal(terminal && !json)
{
    m_engine->setConfig(config);
    connect(m_engine, &CloneEngine::progressChanged, this, &CloneRun::onProgress);
    connect(m_cancelPoll, &QTimer::timeout, this, [this] {
        if (s_cancelRequested.load() && !m_cancelSent && m_engine->isRunning()) {
            m_cancelSent = true;
            m_engine->cancel();
        }
    });
}

CloneRun::~CloneRun() = default;

bool CloneRun::plan(QString& error) { return m_engine->plan(error); }

const ClonePlan& CloneRun::currentPlan() const { return m_engine->currentPlan(); }

void CloneRun::printJson(const QJsonObject& object)
{
    const QByteArray line = QJsonDocument(object).toJson(QJsonDocument::Compact);
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

CliResult::Code CloneRun::exec()
{
    QEventLoop loop;
    bool refused = false;
    QString refusal;
    connect(m_engine, &CloneEngine::error, &loop, [&](const QString& message) {
        refused = true;
        refusal = message;
        loop.quit();
    });
    connect(m_engine, &CloneEngine::finished, &loop, [&](bool success, const QString& message) {
        onFinished(success, message);
        loop.quit();
    });
    m_sinceReport.start();
    m_cancelPoll->start(CancelPollMs);
    m_engine->start();
    if (!refused && m_engine->isRunning())
        loop.exec();
    m_cancelPoll->stop();
    if (refused) {
        std::fprintf(stderr, "tessarin-cli: %s\n", qUtf8Printable(refusal));
        m_code = CliResult::Refused;
    }
    return m_code;
}

void CloneRun::onProgress(const CloneProgress& progress)
{
    m_last = progress;
    const bool phaseChanged = progress.currentPhase != m_lastPhase || progress.status != m_lastStatus;
    m_lastPhase = progress.currentPhase;
    m_lastStatus = progress.status;
    const int interval = m_terminal ? TerminalReportMs : JsonReportMs;
    if (!phaseChanged && m_sinceReport.elapsed() < interval)
        return;
    m_sinceReport.restart();
    if (m_terminal) {
        drawLine(progress);
        return;
    }
    QJsonObject o = progressObject(progress);
    o.insert(QStringLiteral("event"), phaseChanged ? QStringLiteral("phase") : QStringLiteral("progress"));
    printJson(o);
}

QJsonObject CloneRun::progressObject(const CloneProgress& p) const
{
    return QJsonObject{{QStringLiteral("status"), Tessarin::statusText(p.status)},
                       {QStringLiteral("phase"), p.currentPhase},
                       {QStringLiteral("percent"), qRound(p.percentage() * 10) / 10.0},
                       {QStringLiteral("copiedBytes"), qint64(p.copiedBytes)},
                       {QStringLiteral("totalBytes"), qint64(p.totalBytes)},
                       {QStringLiteral("bytesPerSecond"), qint64(p.speed)},
                       {QStringLiteral("secondsLeft"), secondsLeft(p)}};
}

void CloneRun::drawLine(const CloneProgress& p)
{
    const qint64 left = secondsLeft(p);
    const QString line = QStringLiteral("\r\x1b[K%1%  %2 / %3  %4/s  %5  %6")
                             .arg(p.percentage(), 5, 'f', 1)
                             .arg(Tessarin::formatSize(p.copiedBytes, 2), Tessarin::formatSize(p.totalBytes, 2),
                                  Tessarin::formatSize(p.speed, 1),
                                  left < 0 ? QStringLiteral("--:--") : timeText(left) + QStringLiteral(" left"),
                                  p.currentPhase);
    std::fputs(qUtf8Printable(line), stdout);
    std::fflush(stdout);
}

void CloneRun::onFinished(bool success, const QString& message)
{
    m_code = CliResult::ofClone(success, m_last, s_cancelRequested.load());
    const QString logPath = Logger::instance().filePath();
    if (m_json) {
        printJson(QJsonObject{{QStringLiteral("event"), QStringLiteral("result")},
                              {QStringLiteral("success"), success},
                              {QStringLiteral("exitCode"), int(m_code)},
                              {QStringLiteral("refused"), m_last.refused},
                              {QStringLiteral("resumable"), m_last.resumable},
                              {QStringLiteral("message"), message},
                              {QStringLiteral("copiedBytes"), qint64(m_last.copiedBytes)},
                              {QStringLiteral("verifiedBytes"), qint64(m_last.verifiedBytes)},
                              {QStringLiteral("unreadableSectors"), qint64(m_last.unreadableSectors)},
                              {QStringLiteral("unreadableMap"), m_last.unreadableMapPath},
                              {QStringLiteral("warnings"), QJsonArray::fromStringList(m_last.warnings)},
                              {QStringLiteral("targetCheckPassed"), m_last.targetCheckPassed},
                              {QStringLiteral("targetCheck"), findingsArray(m_last.targetCheck)},
                              {QStringLiteral("skipped"), QJsonArray::fromStringList(m_last.skipped)},
                              {QStringLiteral("bootRepaired"), m_last.bootRepaired},
                              {QStringLiteral("log"), logPath}});
        if (!success)
            std::fprintf(stderr, "tessarin-cli: %s\n", qUtf8Printable(message));
        return;
    }
    if (m_terminal)
        std::fputc('\n', stdout);
    if (success) {
        std::printf("%s\n", qUtf8Printable(message));
        if (m_last.verifiedBytes)
            std::printf("Verified: %s\n", qUtf8Printable(Tessarin::formatSize(m_last.verifiedBytes, 2)));
        if (m_last.unreadableSectors)
            std::printf("Unreadable sectors written as zeros: %llu (%s)\n",
                        static_cast<unsigned long long>(m_last.unreadableSectors), qUtf8Printable(m_last.unreadableMapPath));
        if (m_last.bootRepaired)
            std::printf("Boot repair: done\n");
        for (const QString& step : m_last.skipped)
            std::printf("%s\n", qUtf8Printable(step));
    } else {
        std::fprintf(stderr, "tessarin-cli: %s\n", qUtf8Printable(message));
        if (m_last.resumable)
            std::fprintf(stderr, "tessarin-cli: %s\n",
                         qUtf8Printable(tr("The same command with --resume goes on where this run stopped")));
    }
    if (!m_last.targetCheck.isEmpty()) {
        std::printf("Check of the target: %s\n", m_last.targetCheckPassed ? "no errors" : "the copy may not start as it is");
        for (const QString& line : m_last.targetCheck)
            std::printf("  %s\n", qUtf8Printable(line));
    }
    std::printf("Log file: %s\n", qUtf8Printable(logPath));
    std::fflush(stdout);
}
