#include "ui/titlemenu.h"
#include "core/languagesetup.h"
#include "links/linkmanager.h"
#include "ui/menubutton.h"

#include <QIcon>
#include <QMenu>
#include <QMessageBox>
#include <QWidget>

void TitleMenu::exec(QWidget* window, QWidget* button, bool running)
{
    QMenu menu(window);
    QAction* about = menu.addAction(QIcon(QStringLiteral(":/icons/logo.png")), tr("About Marlowtek Tessarin"));
    QObject::connect(about, &QAction::triggered, window, [window]() {
        QMessageBox::about(window, tr("About Marlowtek Tessarin"),
                           tr("Marlowtek Tessarin\n\nA professional disk cloning and system migration solution for "
                              "Windows.\nClone entire disks, migrate operating systems, copy selected partitions, and "
                              "create reliable bootable drives with smart cloning and SSD optimization support."));
    });

    // A language change restarts the program: not while a clone holds the disks.
    QMenu* languages = menu.addMenu(tr("Language"));
    languages->menuAction()->setEnabled(!running);
    const QString current = LanguageSetup::currentLanguage();
    for (const auto& entry : LanguageSetup::menuLanguages()) {
        QAction* action = languages->addAction(entry.first);
        action->setCheckable(true);
        action->setChecked(LanguageSetup::matches(entry.second, current));
        const QString code = entry.second;
        QObject::connect(action, &QAction::triggered, window, [window, code, action]() {
            if (!LanguageSetup::chooseLanguage(code)) {
                action->setChecked(true);
                return;
            }
            // The new instance starts after this window has closed and the event loop ended.
            if (!window->close())
                LanguageSetup::cancelRestart();
        });
    }

    QObject::connect(menu.addAction(tr("Help")), &QAction::triggered, window,
                     [window]() { LinkManager::instance()->openLink(QStringLiteral("help"), QStringLiteral("user_guide"), window); });
    QObject::connect(menu.addAction(tr("Support")), &QAction::triggered, window,
                     [window]() { LinkManager::instance()->openLink(QStringLiteral("support"), QStringLiteral("contact"), window); });
    menu.addSeparator();
    QAction* exit = menu.addAction(tr("Exit"));
    exit->setEnabled(!running);
    QObject::connect(exit, &QAction::triggered, window, &QWidget::close);
    const QRect place(button->mapToGlobal(QPoint(0, 0)), button->size());
    menu.exec(MenuButton::popupPosition(place, menu.sizeHint(), QRect(window->mapToGlobal(QPoint(0, 0)), window->size())));
}
