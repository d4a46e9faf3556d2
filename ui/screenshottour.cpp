#include "ui/screenshottour.h"

#include "core/diskmanager.h"
#include "engine/cloneengine.h"
#include "ui/bootmodedialog.h"
#include "ui/cloneprogresspage.h"
#include "ui/clonesettingsdialog.h"
#include "ui/diskcard.h"
#include "ui/mainwindow.h"
#include "ui/partitioncard.h"
#include "ui/selectsourcepage.h"
#include "ui/selecttargetpage.h"
#include "ui/spaceallocationdialog.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

void ScreenshotTour::startIfRequested(MainWindow* window)
{
    const QString dir = qEnvironmentVariable("TESSARIN_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        new ScreenshotTour(window, dir);
}

ScreenshotTour::ScreenshotTour(MainWindow* window, const QString& dir)
    : QObject(window)
    , m_window(window)
    , m_dir(dir)
{
    QDir().mkpath(dir);
    auto firstCard = [this](QWidget* page) { return page->findChildren<DiskCard*>().value(0); };
    auto pickSource = [this, firstCard]() {
        // The disk with partitions makes the better picture.
        const auto cards = m_window->sourcePage()->findChildren<DiskCard*>();
        DiskCard* pick = cards.value(0);
        for (DiskCard* c : cards)
            if (!c->disk().partitions.isEmpty()) {
                pick = c;
                break;
            }
        if (pick)
            m_window->onSourceDiskCardClicked(pick);
    };

    m_steps << [this, pickSource]() {
        pickSource();
        save(m_window, QStringLiteral("01-system-clone-source.png"));
        return 0;
    };
    m_steps << [this]() {
        m_window->onPartitionModeClicked();
        return 900;
    };
    m_steps << [this]() {
        if (PartitionCard* card = m_window->sourcePage()->findChildren<PartitionCard*>().value(0))
            m_window->onSourcePartitionCardClicked(card);
        save(m_window, QStringLiteral("02-partition-clone-source.png"));
        return 0;
    };
    m_steps << [this]() {
        m_window->onSystemModeClicked();
        return 900;
    };
    m_steps << [this, pickSource, firstCard]() {
        pickSource();
        m_window->onNextClicked();
        if (DiskCard* target = firstCard(m_window->targetPage()))
            m_window->onTargetDiskCardClicked(target);
        save(m_window, QStringLiteral("03-select-target.png"));
        return 0;
    };
    m_steps << [this]() {
        m_window->onNextClicked();
        save(m_window, QStringLiteral("04-options.png"));
        return 0;
    };
    m_steps << [this]() {
        auto* d = new CloneSettingsDialog(m_window);
        d->setAttribute(Qt::WA_DeleteOnClose);
        d->show();
        after(400, [this, d]() {
            save(d, QStringLiteral("05-dialog-clone-settings.png"));
            d->close();
            next();
        });
        return -1;
    };
    m_steps << [this]() {
        auto* d = new BootModeDialog(m_window);
        d->setAttribute(Qt::WA_DeleteOnClose);
        d->show();
        after(200, [this, d]() {
            save(d, QStringLiteral("06-dialog-boot-mode.png"));
            d->close();
            next();
        });
        return -1;
    };
    m_steps << [this]() {
        auto* d = new SpaceAllocationDialog(m_window);
        d->setAttribute(Qt::WA_DeleteOnClose);
        d->show();
        after(200, [this, d]() {
            save(d, QStringLiteral("07-dialog-space-allocation.png"));
            d->close();
            next();
        });
        return -1;
    };
    // A real disk clone of the sample disks for the progress page.
    m_steps << [this]() {
        m_window->onDiskModeClicked();
        return 900;
    };
    m_steps << [this, pickSource, firstCard]() {
        pickSource();
        m_window->onNextClicked();
        if (DiskCard* target = firstCard(m_window->targetPage()))
            m_window->onTargetDiskCardClicked(target);
        m_window->onNextClicked();
        m_window->startClone();
        connect(m_window->engine(), &CloneEngine::finished, this, [this]() {
            after(600, [this]() {
                save(m_window, QStringLiteral("08-progress.png"));
                QApplication::quit();
            });
        });
        return -1;
    };

    // Start once the first disk list has arrived.
    connect(window->diskManager(), &DiskManager::enumFinished, this, [this]() {
        if (!m_started) {
            m_started = true;
            after(500, [this]() { next(); });
        }
    });
}

void ScreenshotTour::after(int ms, std::function<void()> step)
{
    QTimer::singleShot(ms, this, std::move(step));
}

void ScreenshotTour::next()
{
    if (m_steps.isEmpty())
        return;
    auto step = m_steps.takeFirst();
    const int delay = step();
    if (delay >= 0)
        after(qMax(delay, 100), [this]() { next(); });
}

void ScreenshotTour::save(QWidget* widget, const QString& name)
{
    // Let pending layout requests run so the picture shows the settled geometry.
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
    widget->grab().save(QDir(m_dir).filePath(name));
}
