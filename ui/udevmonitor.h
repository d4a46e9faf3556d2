#pragma once
#include <QObject>

class QSocketNotifier;
struct udev;
struct udev_monitor;

// Reports block devices that were added or removed (Linux; inert elsewhere).
class UdevMonitor : public QObject {
    Q_OBJECT
public:
    explicit UdevMonitor(QObject* parent = nullptr);
    ~UdevMonitor() override;

    bool isActive() const { return m_monitor != nullptr; }
    // True for the udev actions that mean a device arrived or went away completely.
    static bool isArrivalOrRemoval(const char* action);

signals:
    void deviceChanged();

private:
    void onReadable();

    udev* m_udev = nullptr;
    udev_monitor* m_monitor = nullptr;
    QSocketNotifier* m_notifier = nullptr;
};
