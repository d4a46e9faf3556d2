#pragma once
#include <QObject>
#include <QString>
#include <functional>

class MainWindow;

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

    MainWindow* m_window;
    QString m_dir;
    // Each returns the delay before the next step, or -1 when it moves on by itself.
    QList<std::function<int()>> m_steps;
    bool m_started = false;
};
