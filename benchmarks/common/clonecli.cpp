#include "benchmarks/common/clonecli.h"

#include <QProcess>
#include <QRegularExpression>

QString CloneCli::program()
{
    return QStringLiteral(TESSARIN_CLI);
}

void CloneCli::useDisks(const QStringList& disks, const QString& stateDir)
{
    qputenv("TESSARIN_DISKS", disks.join(QLatin1Char(':')).toLocal8Bit());
    qputenv("XDG_STATE_HOME", stateDir.toLocal8Bit());
}

QStringList CloneCli::cloneDisk(int source, int target, const QStringList& extra)
{
    return QStringList{program(), "clone", "disk", QString::number(source), QString::number(target), "--yes"} + extra;
}

bool CloneCli::offers(const QString& option)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program(), {"clone", "--help"});
    if (!p.waitForFinished(-1))
        return false;
    // A whole word: "--verify" must not be found in "--verify-later".
    const QRegularExpression word(QRegularExpression::escape(option) + QStringLiteral("(?![\\w-])"));
    return QString::fromLocal8Bit(p.readAll()).contains(word);
}
