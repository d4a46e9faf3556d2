#pragma once
#include <QWidget>

class CircularProgress;
class QLabel;
class QProgressBar;
class QPushButton;
class QTextEdit;

// Step 4: progress ring, speed, time left, the log and Cancel / Finish.
class CloneProgressPage : public QWidget {
    Q_OBJECT
public:
    explicit CloneProgressPage(QWidget* parent = nullptr);

    static constexpr int MaxLogBlocks = 200;

    QLabel* titleLabel() const { return m_title; }
    QLabel* statusLabel() const { return m_status; }
    CircularProgress* circularProgress() const { return m_circle; }
    QProgressBar* progressBar() const { return m_bar; }
    QLabel* speedLabel() const { return m_speed; }
    QLabel* timeLeftLabel() const { return m_timeLeft; }
    QTextEdit* logOutput() const { return m_log; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* finishButton() const { return m_finish; }

    // Progress ring and bar together, 0..100.
    void setProgress(int percent);

private:
    QLabel* m_title = nullptr;
    QLabel* m_status = nullptr;
    CircularProgress* m_circle = nullptr;
    QProgressBar* m_bar = nullptr;
    QLabel* m_speed = nullptr;
    QLabel* m_timeLeft = nullptr;
    QTextEdit* m_log = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_finish = nullptr;
};
