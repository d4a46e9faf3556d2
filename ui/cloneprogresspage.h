#pragma once
#include <QStringList>
#include <QWidget>

class CircularProgress;
class QColor;
class QLabel;
class QProgressBar;
class QPushButton;
class CloneProgress;
class LogView;

// Step 4: progress ring, speed, time left, the log and Cancel / Finish.
class CloneProgressPage : public QWidget {
    Q_OBJECT
public:
    explicit CloneProgressPage(QWidget* parent = nullptr);

    QLabel* titleLabel() const { return m_title; }
    QLabel* statusLabel() const { return m_status; }
    CircularProgress* circularProgress() const { return m_circle; }
    QProgressBar* progressBar() const { return m_bar; }
    QLabel* speedLabel() const { return m_speed; }
    QLabel* timeLeftLabel() const { return m_timeLeft; }
    LogView* logOutput() const { return m_log; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* finishButton() const { return m_finish; }
    // Shown after a run that stopped part-way and left a journal to go on from.
    QPushButton* resumeButton() const { return m_resume; }

    // Progress ring and bar together, 0..100.
    void setProgress(int percent);

    // A new clone: empty log, zero progress, Cancel shown.
    void begin();
    // Zero progress, no speed, no time left.
    void reset();
    void showProgress(const CloneProgress& progress);
    void showError(const QString& error);
    void showFinished(bool success, const QString& message);
    // A run the user stopped: neither a success nor a failure.
    void showCancelled();

    static QString timeLeftText(const CloneProgress& progress);
    static QString speedText(const CloneProgress& progress);

private:
    void showTargetCheck();
    void showSkipped();
    // Ring and bar in the colour of the run's state; the figures of a running copy cleared.
    void showEnd(const QString& title, const QColor& color);
    void setStateColor(const QColor& color);

    QLabel* m_title = nullptr;
    QLabel* m_status = nullptr;
    CircularProgress* m_circle = nullptr;
    QProgressBar* m_bar = nullptr;
    QLabel* m_speed = nullptr;
    QLabel* m_timeLeft = nullptr;
    LogView* m_log = nullptr;
    // From the last progress: what the result reports beside success.
    uint64_t m_verifiedBytes = 0;
    uint64_t m_unreadableSectors = 0;
    QString m_unreadableMapPath;
    QStringList m_targetCheck;
    QStringList m_warnings;
    QStringList m_skipped;
    bool m_targetCheckPassed = false;
    bool m_bootRepaired = false;
    bool m_refused = false;
    bool m_resumable = false;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_resume = nullptr;
    QPushButton* m_finish = nullptr;
};
