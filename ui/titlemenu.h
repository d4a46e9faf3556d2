#pragma once
#include <QCoreApplication>

class QWidget;

// The title bar's menu: about, language, help, support and exit. While a clone runs, neither a
// language change (it restarts the program) nor exit is offered.
class TitleMenu {
    Q_DECLARE_TR_FUNCTIONS(TitleMenu)
public:
    // Opens below `button` inside `window` and returns once it closed.
    static void exec(QWidget* window, QWidget* button, bool running);
};
