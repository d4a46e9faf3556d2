#include "ui/clonequestions.h"
#include "modes/cloneresume.h"

#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

bool CloneQuestions::acceptLiveSource(QWidget* parent, const QStringList& volumes)
{
    return QMessageBox::question(parent, tr("Source in use"),
                                 tr("The source's volumes %1 are mounted read-write and no snapshot of them can be "
                                    "taken. A copy read while they change may be torn and may not start.\n\n"
                                    "Read them live anyway?")
                                     .arg(volumes.join(QStringLiteral(", "))),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

CloneQuestions::Resume CloneQuestions::askResume(QWidget* parent, const CloneConfig& config, const ClonePlan& plan)
{
    uint64_t copied = 0;
    if (!CloneResume::pending(config, plan, CloneResume::logFolder(), copied))
        return Resume::StartOver;
    const uint64_t total = plan.totalBytes();
    QMessageBox box(QMessageBox::Question, tr("Interrupted clone"),
                    tr("A clone from this source onto this target was interrupted with %1 of %2 copied.\n\n"
                       "Resume it, copying only the rest, or start over and copy everything?")
                        .arg(QLocale().formattedDataSize(qint64(copied)), QLocale().formattedDataSize(qint64(total))),
                    QMessageBox::NoButton, parent);
    QPushButton* resume = box.addButton(tr("Resume"), QMessageBox::AcceptRole);
    QPushButton* over = box.addButton(tr("Start over"), QMessageBox::DestructiveRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(resume);
    box.exec();
    if (box.clickedButton() == resume)
        return Resume::Resume;
    return box.clickedButton() == over ? Resume::StartOver : Resume::Stop;
}
