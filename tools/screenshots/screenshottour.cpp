#include "screenshottour.h"

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
#include <QDialog>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

ScreenshotTour::ScreenshotTour(MainWindow* window, const QString& dir)
    : QObject(window)
    , m_window(window)
    , m_dir(dir)
{
    QDir().mkpath(dir);
    auto pickSource = [this]() {
        // The disk with partitions makes the better picture.
        const auto cards = m_window->sourcePage()->findChildren<DiskCard*>();
        DiskCard* pick = cards.value(0);
        for (DiskCard* c : cards)
            if (!c->disk().partitions.isEmpty()) {
                pick = c;
                break;
            }
        if (pick)
            emit pick->clicked();
    };
    auto pickSourceAndTarget = [this, pickSource]() {
        pickSource();
        m_window->onNextClicked();
        if (DiskCard* target = m_window->targetPage()->findChildren<DiskCard*>().value(0))
            emit target->clicked();
    };

    m_steps << [this, pickSource]() {
        pickSource();
        save(m_window, QStringLiteral("01-system-clone-source.png"));
        return 0;
    };
    m_steps << [this]() {
        m_window->setMode(Tessarin::CloneModeType::PartitionClone);
        return 900;
    };
    m_steps << [this]() {
        if (PartitionCard* card = m_window->sourcePage()->findChildren<PartitionCard*>().value(0))
            emit card->clicked();
        save(m_window, QStringLiteral("02-partition-clone-source.png"));
        return 0;
    };
    m_steps << [this]() {
        m_window->onNextClicked();
        if (DiskCard* target = m_window->targetPage()->findChildren<DiskCard*>().value(0))
            emit target->clicked();
        save(m_window, QStringLiteral("02b-partition-clone-target.png"));
        return 0;
    };
    m_steps << [this]() {
        m_window->setMode(Tessarin::CloneModeType::SystemClone);
        return 900;
    };
    m_steps << [this, pickSourceAndTarget]() {
        pickSourceAndTarget();
        save(m_window, QStringLiteral("03-select-target.png"));
        return 0;
    };
    m_steps << [this]() {
        m_window->onNextClicked();
        save(m_window, QStringLiteral("04-options.png"));
        return 0;
    };
    m_steps << [this]() {
        return showDialog(new CloneSettingsDialog(m_window), QStringLiteral("05-dialog-clone-settings.png"), 400);
    };
    m_steps << [this]() {
        return showDialog(new BootModeDialog(m_window), QStringLiteral("06-dialog-boot-mode.png"), 200);
    };
    m_steps << [this]() {
        return showDialog(new SpaceAllocationDialog(m_window), QStringLiteral("07-dialog-space-allocation.png"), 200);
    };
    // A real disk clone of the sample disks for the progress page.
    m_steps << [this]() {
        m_window->setMode(Tessarin::CloneModeType::DiskClone);
        return 900;
    };
    m_steps << [this, pickSourceAndTarget]() {
        pickSourceAndTarget();
        m_window->onNextClicked();
        confirmSoon();
        m_window->onNextClicked();
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

int ScreenshotTour::showDialog(QDialog* dialog, const QString& name, int settleMs)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    after(settleMs, [this, dialog, name]() {
        save(dialog, name);
        dialog->close();
        next();
    });
    return -1;
}

void ScreenshotTour::confirmSoon()
{
    after(300, []() {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (QAbstractButton* yes = box->button(QMessageBox::Yes))
                yes->click();
        }
    });
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
