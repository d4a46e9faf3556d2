#pragma once
#include <QAbstractNativeEventFilter>
#include <QObject>

class QTimer;
class QWidget;
class UdevMonitor;

// Tells when disks arrived or left: udev on Linux, device notifications to the window on Windows.
// A burst of device messages gives one devicesChanged, a second after the last one.
class DeviceWatcher : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    explicit DeviceWatcher(QWidget* window);
    ~DeviceWatcher() override;

    static constexpr int QuietMs = 1000;

    // A device arrived or left: (re)starts the quiet period.
    void deviceEventReceived();
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    void devicesChanged();

private:
    QWidget* m_window;
    QTimer* m_timer;
    UdevMonitor* m_udev = nullptr;
    void* m_notification = nullptr;
};
