#include "boot/boottoolavailability.h"

#include "core/logger.h"
#include "platform/platform.h"

#include <QCoreApplication>

QStringList BootToolAvailability::requiredTools()
{
    return {QStringLiteral("bcdedit"), QStringLiteral("bcdboot"), QStringLiteral("reg")};
}

QStringList BootToolAvailability::missingTools()
{
    PlatformFiles& platform = Platform::files();
    const std::string folder = platform.systemDirectory();
    QStringList missing;
    for (const QString& tool : requiredTools()) {
        if (folder.empty() || !platform.fileExists(folder + "\\" + tool.toStdString() + ".exe"))
            missing.append(tool);
    }
    return missing;
}

QString BootToolAvailability::unavailableMessage()
{
    return QCoreApplication::translate("BootToolAvailability",
                                       "bcdedit/bcdboot are not available on this system; the data was copied, "
                                       "the boot configuration was not updated");
}

QString BootToolAvailability::refuse(const QString& operation)
{
    Logger::instance().error(QStringLiteral("%1 not started: %2 missing; no boot repair step ran")
                                 .arg(operation, missingTools().join(QStringLiteral(", "))));
    return unavailableMessage();
}
