#include "modes/boottoolcheck.h"

#include <QStandardPaths>

QStringList BootToolCheck::requiredTools()
{
    return {QStringLiteral("bcdedit"), QStringLiteral("bcdboot")};
}

QStringList BootToolCheck::missingTools()
{
    QStringList missing;
    for (const QString& tool : requiredTools())
        if (QStandardPaths::findExecutable(tool).isEmpty())
            missing.append(tool);
    return missing;
}
