#include "core/languagesetup.h"
#include "core/logger.h"
#include "ui/focusringstyle.h"
#include "ui/mainwindow.h"
#include "ui/uiresources.h"
#include "tessarin_version.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStyle>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    UiResources::init();
    QApplication::setStyle(new FocusRingStyle(QStyleFactory::create(QApplication::style()->name())));
    QApplication::setApplicationName(QStringLiteral("Tessarin"));
    QApplication::setApplicationVersion(QStringLiteral(TESSARIN_VERSION_STRING));
    QApplication::setOrganizationName(QStringLiteral("Tessarin"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/logo.png")));

    const QString logPath = logFilePath();
    Logger::instance().init(logPath);
    Logger::instance().info(QStringLiteral("Log file: %1").arg(QDir::toNativeSeparators(logPath)));
    Logger::instance().info(QStringLiteral("Tessarin starting..."));

    const QString language = LanguageSetup::currentLanguage();
    if (!LanguageSetup::installTranslations(language).isEmpty())
        Logger::instance().info(QStringLiteral("Loaded translation: %1").arg(language));

    auto* window = new MainWindow;
    window->show();
    Logger::instance().info(QStringLiteral("Tessarin started successfully"));

    const int code = app.exec();
    Logger::instance().info(QStringLiteral("Tessarin exiting..."));
    delete window;
    // Only now: the new instance must not see this one's window or its disks in use.
    LanguageSetup::restartIfRequested();
    return code;
}
