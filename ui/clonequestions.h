#pragma once
#include <QCoreApplication>
#include <QString>
#include <QStringList>

class CloneConfig;
class ClonePlan;
class QWidget;

// The questions the window asks between the options and the confirmation, each before anything
// is written, so that any answer but going on leaves the disks as they are.
class CloneQuestions {
    Q_DECLARE_TR_FUNCTIONS(CloneQuestions)
public:
    // The source's volumes are mounted read-write and cannot be snapshotted: read them live?
    static bool acceptLiveSource(QWidget* parent, const QStringList& volumes);

    enum class Resume { Resume, StartOver, Stop };
    // When an interrupted clone of the same disks and plan left a journal: go on with it, start
    // over, or stop. StartOver without asking when there is none.
    static Resume askResume(QWidget* parent, const CloneConfig& config, const ClonePlan& plan);
};
