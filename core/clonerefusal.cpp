#include "core/clonerefusal.h"

QString CloneRefusal::sourceInvalid() { return tr("Source disk is not valid"); }

QString CloneRefusal::targetInvalid() { return tr("Target disk is not valid"); }

QString CloneRefusal::sameDisk() { return tr("Source and target disk cannot be the same"); }

QString CloneRefusal::runningSystem(int diskNumber)
{
    return tr("Disk %1 holds the running system (its Windows folder, boot volume or a page file) and is never a target")
        .arg(diskNumber);
}

QString CloneRefusal::targetSmaller() { return tr("Target disk is smaller than source disk"); }

QString CloneRefusal::sectorBySectorTargetSmaller()
{
    return tr("Sector-by-sector system clone requires a target disk that is not smaller than the source disk");
}

QString CloneRefusal::sectorSizes(uint32_t source, uint32_t target)
{
    return tr("Source and target disks have different logical sector sizes (%1 and %2 bytes); a clone needs the same "
              "sector size on both")
        .arg(source)
        .arg(target);
}

QString CloneRefusal::tableDamaged(const QString& why)
{
    return tr("The source disk's partition table is damaged (%1); nothing was changed").arg(why);
}
