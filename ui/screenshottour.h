#pragma once
#include <QObject>
#include <QString>
#include <functional>

class MainWindow;
class QDialog;
class QWidget;

// With TESSARIN_SCREENSHOT_DIR set, walks the window through every page and dialog,
// saves each as PNG in that folder and quits. Used to make the README's pictures.
class ScreenshotTour : public QObject {
    Q_OBJECT
public:
    static void startIfRequested(MainWindow* window);

private:
    ScreenshotTour(MainWindow* window, const QString& dir);
    void next();
    void after(int ms, std::function<void()> step);
    void save(QWidget* widget, const QString& name);
    // Shows `dialog`, saves it once it has settled and moves on; returns -1 for m_steps.
    int showDialog(QDialog* dialog, const QString& name, int settleMs);

    MainWindow* m_window;
    QString m_dir;
    // Each returns the delay before the next step, or -1 when it moves on by itself.
    QList<std::function<int()>> m_steps;
    bool m_started = false;
};
