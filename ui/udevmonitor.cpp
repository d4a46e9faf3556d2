#include "ui/udevmonitor.h"

#include <QSocketNotifier>
#include <cstring>

#ifdef TESSARIN_HAVE_UDEV
#include <libudev.h>
#endif

UdevMonitor::UdevMonitor(QObject* parent)
    : QObject(parent)
{
#ifdef TESSARIN_HAVE_UDEV
    m_udev = udev_new();
    if (!m_udev)
        return;
    m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (!m_monitor)
        return;
    if (udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "block", nullptr) < 0
        || udev_monitor_enable_receiving(m_monitor) < 0) {
        udev_monitor_unref(m_monitor);
        m_monitor = nullptr;
        return;
    }
    m_notifier = new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UdevMonitor::onReadable);
#endif
}

UdevMonitor::~UdevMonitor()
{
#ifdef TESSARIN_HAVE_UDEV
    delete m_notifier;
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
#endif
}

bool UdevMonitor::isArrivalOrRemoval(const char* action)
{
    return action && (std::strcmp(action, "add") == 0 || std::strcmp(action, "remove") == 0);
}

void UdevMonitor::onReadable()
{
#ifdef TESSARIN_HAVE_UDEV
    // Drain every queued event; one signal per device that came or went.
    while (udev_device* device = udev_monitor_receive_device(m_monitor)) {
        const bool relevant = isArrivalOrRemoval(udev_device_get_action(device));
        udev_device_unref(device);
        if (relevant)
            emit deviceChanged();
    }
#endif
}
