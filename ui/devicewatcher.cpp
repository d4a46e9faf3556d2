#include "ui/devicewatcher.h"

#include "ui/udevmonitor.h"

#include <QCoreApplication>
#include <QDebug>
#include <QTimer>
#include <QWidget>

#ifdef Q_OS_WIN
#include <windows.h>
#include <dbt.h>
#endif

DeviceWatcher::DeviceWatcher(QWidget* window)
    : QObject(window)
    , m_window(window)
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    m_timer->setInterval(QuietMs);
    connect(m_timer, &QTimer::timeout, this, &DeviceWatcher::devicesChanged);
#ifdef Q_OS_WIN
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof(filter);
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    m_notification = RegisterDeviceNotificationW(reinterpret_cast<HWND>(window->winId()), &filter,
                                                 DEVICE_NOTIFY_WINDOW_HANDLE | DEVICE_NOTIFY_ALL_INTERFACE_CLASSES);
    if (!m_notification)
        qDebug() << "Failed to register device notification";
    QCoreApplication::instance()->installNativeEventFilter(this);
#else
    m_udev = new UdevMonitor(this);
    if (!m_udev->isActive())
        qDebug() << "Failed to register device notification";
    connect(m_udev, &UdevMonitor::deviceChanged, this, &DeviceWatcher::deviceEventReceived);
#endif
}

DeviceWatcher::~DeviceWatcher()
{
#ifdef Q_OS_WIN
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
    if (m_notification)
        UnregisterDeviceNotification(static_cast<HDEVNOTIFY>(m_notification));
#endif
    m_notification = nullptr;
}

void DeviceWatcher::deviceEventReceived()
{
    m_timer->start();
}

bool DeviceWatcher::nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result)
{
    Q_UNUSED(eventType);
    Q_UNUSED(result);
#ifdef Q_OS_WIN
    const MSG* msg = static_cast<const MSG*>(message);
    if (msg->hwnd == reinterpret_cast<HWND>(m_window->winId()) && msg->message == WM_DEVICECHANGE
        && (msg->wParam == DBT_DEVICEARRIVAL || msg->wParam == DBT_DEVICEREMOVECOMPLETE))
        deviceEventReceived();
#else
    Q_UNUSED(message);
#endif
    return false;
}
