#include "ui/uiresources.h"

#include <QtGlobal>

void UiResources::init()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    // Static libraries drop unreferenced resource objects; naming them here keeps them.
    Q_INIT_RESOURCE(tessarin);
    Q_INIT_RESOURCE(tessarin_icons);
    Q_INIT_RESOURCE(tessarin_translations);
}
