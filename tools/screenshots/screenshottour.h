#pragma once
#include <QObject>
#include <QString>
#include <functional>

class MainWindow;
class QDialog;
class QWidget;

// Walks the window through every page and dialog, saves each as PNG in `dir` and quits. Makes the
// README's pictures; lives beside the program, not in it.
class ScreenshotTour : public QObject {
    Q_OBJECT
public:
    ScreenshotTour(MainWindow* window, const QString& dir);

private:
    void next();
    void after(int ms, std::function<void()> step);
    void save(QWidget* widget, const QString& name);
    // Shows `dialog`, saves it once it has settled and moves on; returns -1 for m_steps.
    int showDialog(QDialog* dialog, const QString& name, int settleMs);
    // Answers Yes to the confirmation the next step asks, as a user would.
    void confirmSoon();

    MainWindow* m_window;
    QString m_dir;
    // Each returns the delay before the next step, or -1 when it moves on by itself.
    QList<std::function<int()>> m_steps;
    bool m_started = false;
};
