#pragma once
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <cstdint>

class QWidget;

// The questions the window asks between the options and the confirmation, each before anything
// is written, so that any answer but going on leaves the disks as they are.
class CloneQuestions {
    Q_DECLARE_TR_FUNCTIONS(CloneQuestions)
public:
    // The source's volumes are mounted read-write and cannot be snapshotted: read them live?
    static bool acceptLiveSource(QWidget* parent, const QStringList& volumes);

    enum class Resume { Resume, StartOver, Stop };
    // An interrupted clone of the same disks and plan left `copied` of `total` bytes on the target.
    static Resume askResume(QWidget* parent, uint64_t copied, uint64_t total);
};
