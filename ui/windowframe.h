#pragma once
#include <QAbstractNativeEventFilter>
#include <QObject>

class QWidget;

// Window behaviour of a frameless window: its title bar moves it. On Windows the native frame
// messages are answered so snapping, animations and round corners stay.
class WindowFrame : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    WindowFrame(QWidget* window, QWidget* titleBar);
    ~WindowFrame() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    QWidget* m_titleBar;
};
