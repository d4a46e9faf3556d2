#pragma once
#include <QCoreApplication>
#include <QString>

// The reasons a clone request is refused, each worded once, so that the command line, the dry
// run, the window and the run itself give the same text for the same request.
class CloneRefusal {
    Q_DECLARE_TR_FUNCTIONS(CloneRefusal)
public:
    static QString sourceInvalid();
    static QString targetInvalid();
    static QString sameDisk();
    static QString runningSystem(int diskNumber);
    static QString targetSmaller();
    static QString sectorBySectorTargetSmaller();
    static QString sectorSizes(uint32_t source, uint32_t target);
    static QString tableDamaged(const QString& why);
};
