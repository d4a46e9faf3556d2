// tessarin-screenshots OUTPUT_DIR: starts the window as the program does, walks it through every
// page and dialog and saves each as PNG in OUTPUT_DIR (see scripts/screenshots.sh).
#include "core/languagesetup.h"
#include "core/logger.h"
#include "screenshottour.h"
#include "ui/focusringstyle.h"
#include "ui/mainwindow.h"
#include "ui/uiresources.h"
#include "tessarin_version.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>
#include <QStyleFactory>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: tessarin-screenshots OUTPUT_DIR\n";
        return 2;
    }
    UiResources::init();
    QApplication::setStyle(new FocusRingStyle(QStyleFactory::create(QApplication::style()->name())));
    QApplication::setApplicationName(QStringLiteral("Tessarin"));
    QApplication::setApplicationVersion(QStringLiteral(TESSARIN_VERSION_STRING));
    QApplication::setOrganizationName(QStringLiteral("Tessarin"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/logo.png")));
    Logger::instance().init(logFilePath());

    LanguageSetup::installTranslations(LanguageSetup::currentLanguage());

    MainWindow window;
    window.show();
    new ScreenshotTour(&window, args.at(1));
    return app.exec();
}
