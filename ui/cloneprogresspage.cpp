#include "ui/cloneprogresspage.h"

#include "core/cloneprogress.h"
#include "ui/logview.h"

#include "ui/circularprogress.h"
#include "ui/pagebuilder.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace {
const QColor RunningColor("#2563EB");
const QColor SuccessColor("#059669");
const QColor WarningColor("#D97706");
const QColor FailureColor("#DC2626");
const QColor CancelledColor("#6B7280");
}

CloneProgressPage::CloneProgressPage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pageProgress"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 22, 28, 18);
    layout->setSpacing(8);
    m_title = PageBuilder::title(tr("Cloning..."), this);
    m_status = PageBuilder::subtitle(tr("Preparing clone task..."), this);
    m_status->setObjectName(QStringLiteral("statusLabel"));
    layout->addWidget(m_title);
    layout->addWidget(m_status);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("progressFrame"));
    frame->setMinimumHeight(220);
    frame->setStyleSheet(QStringLiteral("QFrame#progressFrame { background: #FFFFFF; border: 1px solid #E5E7EB;"
                                        " border-radius: 12px; }"));
    auto* frameRow = new QHBoxLayout(frame);
    frameRow->setContentsMargins(24, 16, 24, 16);
    frameRow->setSpacing(28);
    m_circle = new CircularProgress(frame);
    m_circle->setObjectName(QStringLiteral("circularProgress"));
    m_circle->setFixedSize(180, 180);
    frameRow->addWidget(m_circle);

    auto* info = new QVBoxLayout;
    info->setSpacing(10);
    info->addStretch(1);
    m_bar = new QProgressBar(frame);
    m_bar->setObjectName(QStringLiteral("progressBar"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setFormat(QStringLiteral("%p%"));
    m_bar->setFixedHeight(20);
    setStateColor(RunningColor);
    info->addWidget(m_bar);
    m_speed = new QLabel(tr("Speed: -- MB/s"), frame);
    m_speed->setObjectName(QStringLiteral("speedLabel"));
    m_speed->setStyleSheet(QStringLiteral("color: #374151; font-size: 14px; border: none;"));
    m_timeLeft = new QLabel(tr("Time left: --"), frame);
    m_timeLeft->setObjectName(QStringLiteral("timeLeftLabel"));
    m_timeLeft->setStyleSheet(QStringLiteral("color: #374151; font-size: 14px; border: none;"));
    info->addWidget(m_speed);
    info->addWidget(m_timeLeft);
    info->addStretch(1);
    frameRow->addLayout(info, 1);
    layout->addWidget(frame);

    m_log = new LogView(this);
    m_log->setStyleSheet(QStringLiteral("QTextEdit#logOutput { background: #111827; color: #D1D5DB;"
                                        " border-radius: 10px; padding: 6px; }"
                                        "QTextEdit#logOutput:focus { border: 2px solid #2563EB; }"));
    layout->addWidget(m_log, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("btnCancel"));
    m_cancel->setMinimumSize(110, 36);
    m_cancel->setCursor(Qt::PointingHandCursor);
    m_cancel->setStyleSheet(QStringLiteral("QPushButton { background: #FFFFFF; color: #DC2626; border: 1px solid #FCA5A5;"
                                           " border-radius: 8px; font-weight: bold; }"
                                           "QPushButton:hover { background: #FEF2F2; }"
                                           "QPushButton:disabled { color: #9CA3AF; border-color: #E5E7EB; }"
                                           "QPushButton:focus { border: 2px solid #DC2626; outline: none; }"));
    m_finish = new QPushButton(tr("Finish"), this);
    m_finish->setObjectName(QStringLiteral("btnFinish"));
    m_finish->setMinimumSize(110, 36);
    m_finish->setCursor(Qt::PointingHandCursor);
    m_finish->setStyleSheet(QStringLiteral("QPushButton { background: #059669; color: white; border: none;"
                                           " border-radius: 8px; font-weight: bold; }"
                                           "QPushButton:hover { background: #047857; }"
                                           "QPushButton:focus { border: 2px solid #064E3B; outline: none; }"));
    m_finish->hide();
    m_resume = new QPushButton(tr("Resume"), this);
    m_resume->setObjectName(QStringLiteral("btnResume"));
    m_resume->setMinimumSize(110, 36);
    m_resume->setCursor(Qt::PointingHandCursor);
    m_resume->setToolTip(tr("Go on with this clone where it stopped; what is on the target already is not copied again"));
    m_resume->hide();
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_resume);
    buttons->addWidget(m_finish);
    layout->addLayout(buttons);
}

void CloneProgressPage::setProgress(int percent)
{
    percent = qBound(0, percent, 100);
    m_circle->setValue(percent);
    m_bar->setValue(percent);
}

void CloneProgressPage::begin()
{
    reset();
    m_log->clear();
    m_title->setText(tr("Cloning..."));
    m_title->setStyleSheet(QStringLiteral("color: #111827; font-size: 22px; font-weight: bold;"));
    m_status->setText(tr("Preparing clone task..."));
    m_cancel->show();
    m_cancel->setEnabled(true);
    m_finish->hide();
    m_resume->hide();
}

void CloneProgressPage::reset()
{
    m_verifiedBytes = 0;
    m_unreadableSectors = 0;
    m_unreadableMapPath.clear();
    m_targetCheck.clear();
    m_warnings.clear();
    m_skipped.clear();
    m_targetCheckPassed = false;
    m_bootRepaired = false;
    m_refused = false;
    m_resumable = false;
    setStateColor(RunningColor);
    setProgress(0);
    m_speed->setText(tr("Speed: -- MB/s"));
    m_timeLeft->setText(tr("Time left: --"));
}

QString CloneProgressPage::speedText(const CloneProgress& progress)
{
    if (progress.speed > 0)
        return tr("Speed: %1 MB/s").arg(double(progress.speed) / 1048576.0, 0, 'f', 1);
    return tr("Speed: -- MB/s");
}

QString CloneProgressPage::timeLeftText(const CloneProgress& progress)
{
    if (progress.speed == 0 || progress.totalBytes <= progress.copiedBytes)
        return tr("Time left: --");
    const uint64_t s = (progress.totalBytes - progress.copiedBytes) / progress.speed;
    if (s >= 3600)
        return tr("Time left: %1h %2m").arg(s / 3600).arg((s % 3600) / 60);
    if (s < 60)
        return tr("Time left: %1s").arg(s);
    return tr("Time left: %1m %2s").arg(s / 60).arg(s % 60);
}

void CloneProgressPage::showProgress(const CloneProgress& progress)
{
    // Boot repair must not be interrupted half way.
    if (progress.status == Tessarin::RepairingBoot) {
        m_cancel->setEnabled(false);
        m_cancel->setToolTip(tr("Boot repair is in progress. Please wait until it finishes."));
    } else {
        m_cancel->setEnabled(true);
        m_cancel->setToolTip(QString());
    }
    if (!progress.currentPhase.isEmpty())
        m_status->setText(progress.currentPhase);
    if (progress.totalBytes > 0) {
        const double percent = double(progress.copiedBytes) * 100.0 / double(progress.totalBytes);
        setProgress(int(std::lround(percent)));
    }
    m_speed->setText(speedText(progress));
    m_timeLeft->setText(timeLeftText(progress));
    m_verifiedBytes = progress.verifiedBytes;
    m_unreadableSectors = progress.unreadableSectors;
    m_unreadableMapPath = progress.unreadableMapPath;
    m_targetCheck = progress.targetCheck;
    m_warnings = progress.warnings;
    m_skipped = progress.skipped;
    m_targetCheckPassed = progress.targetCheckPassed;
    m_bootRepaired = progress.bootRepaired;
    m_refused = progress.refused;
    m_resumable = progress.resumable;
}

void CloneProgressPage::showError(const QString& error)
{
    m_log->appendLine(error, QStringLiteral("ERROR"));
    m_status->setText(error);
}

void CloneProgressPage::setStateColor(const QColor& color)
{
    m_circle->setProgressColor(color);
    m_bar->setStyleSheet(QStringLiteral("QProgressBar { background: #E5E7EB; border: none; border-radius: 6px;"
                                        " text-align: center; color: #111827; font-size: 11px; }"
                                        "QProgressBar::chunk { background: %1; border-radius: 6px; }")
                             .arg(color.name()));
}

void CloneProgressPage::showEnd(const QString& title, const QColor& color)
{
    m_cancel->hide();
    m_cancel->setEnabled(true);
    m_finish->show();
    m_resume->setVisible(m_resumable);
    m_title->setText(title);
    m_title->setStyleSheet(QStringLiteral("color: %1; font-size: 22px; font-weight: bold;").arg(color.name()));
    setStateColor(color);
    m_speed->setText(tr("Speed: -- MB/s"));
    m_timeLeft->setText(tr("Time left: --"));
}

void CloneProgressPage::showCancelled()
{
    showEnd(tr("Clone cancelled"), CancelledColor);
    const QString text = m_refused ? tr("Nothing was written to the target.")
        : m_resumable ? tr("The clone was stopped before it finished. Resume goes on where it stopped.")
                      : tr("The clone was stopped before it finished; the target may hold an incomplete copy.");
    m_status->setText(text);
    m_log->appendLine(tr("Clone cancelled"), QStringLiteral("WARNING"));
}

void CloneProgressPage::showFinished(bool success, const QString& message)
{
    if (success && m_verifiedBytes > 0)
        m_log->appendLine(tr("Verified %1 of copied data").arg(QLocale().formattedDataSize(qint64(m_verifiedBytes))),
                          QStringLiteral("SUCCESS"));
    if (success && (m_unreadableSectors > 0 || !m_warnings.isEmpty())) {
        // Finished, but with zeros where the source could not be read: a warning, never a plain success.
        showEnd(tr("Clone completed with warnings"), WarningColor);
        const QString where = m_unreadableMapPath.isEmpty() ? QString() : tr("Unreadable sectors are listed in %1").arg(m_unreadableMapPath);
        m_status->setText(where.isEmpty() ? message : message + QLatin1Char('\n') + where);
        m_log->appendLine(message, QStringLiteral("WARNING"));
        if (!where.isEmpty())
            m_log->appendLine(where, QStringLiteral("WARNING"));
        setProgress(100);
    } else if (success) {
        showEnd(tr("Clone completed"), SuccessColor);
        m_status->setText(m_bootRepaired ? tr("The clone and boot repair completed successfully.")
                                         : tr("The clone completed successfully."));
        m_log->appendLine(tr("Clone completed successfully"), QStringLiteral("SUCCESS"));
        setProgress(100);
    } else {
        showEnd(tr("Clone failed"), FailureColor);
        // A refusal stopped before the first write: the target is as it was.
        m_status->setText(m_refused ? message + QLatin1Char('\n') + tr("Nothing was written to the target.") : message);
        m_log->appendLine(tr("Clone failed: %1").arg(message), QStringLiteral("ERROR"));
    }
    if (success)
        showSkipped();
    showTargetCheck();
}

void CloneProgressPage::showSkipped()
{
    for (const QString& step : m_skipped) {
        m_log->appendLine(step, QStringLiteral("INFO"));
        m_status->setText(m_status->text() + QLatin1Char('\n') + step);
    }
}

void CloneProgressPage::showTargetCheck()
{
    if (m_targetCheck.isEmpty())
        return;
    // Findings stay in the check's own words, as in the log; only the verdict is translated.
    m_log->appendLine(m_targetCheckPassed ? tr("Check target: no errors") : tr("Check target: the copy may not start as it is"),
                      m_targetCheckPassed ? QStringLiteral("SUCCESS") : QStringLiteral("WARNING"));
    for (const QString& line : m_targetCheck)
        m_log->appendLine(line, line.startsWith(QLatin1String("error")) ? QStringLiteral("ERROR")
                                : line.startsWith(QLatin1String("warning")) ? QStringLiteral("WARNING")
                                                                            : QStringLiteral("INFO"));
    if (!m_targetCheckPassed)
        m_status->setText(m_status->text() + QLatin1Char('\n') + tr("Check target: the copy may not start as it is"));
}
