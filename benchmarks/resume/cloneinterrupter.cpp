#include "benchmarks/resume/cloneinterrupter.h"

#include "benchmarks/common/benchrunner.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace {
constexpr int PollMs = 2;
}

bool CloneInterrupter::pastHalf(const QByteArray& line)
{
    const QJsonObject o = QJsonDocument::fromJson(line).object();
    const QString event = o.value(QStringLiteral("event")).toString();
    if (event != QLatin1String("progress") && event != QLatin1String("phase"))
        return false;
    const double copied = o.value(QStringLiteral("copiedBytes")).toDouble();
    const double total = o.value(QStringLiteral("totalBytes")).toDouble();
    return total > 0 && copied * 2 >= total;
}

bool CloneInterrupter::run(const QStringList& command, const QString& targetImage, uint64_t halfBytes,
                           uint64_t& reached, QString& error)
{
    QProcess p;
    p.setProgram(command.first());
    p.setArguments(command.mid(1));
    p.start();
    if (!p.waitForStarted(-1)) {
        error = QStringLiteral("cannot run %1: %2").arg(command.first(), p.errorString());
        return false;
    }
    QByteArray pending;
    bool kill = false;
    while (!kill && p.state() != QProcess::NotRunning) {
        p.waitForReadyRead(PollMs);
        pending += p.readAllStandardOutput();
        for (qsizetype end = pending.indexOf('\n'); end >= 0 && !kill; end = pending.indexOf('\n')) {
            kill = pastHalf(pending.left(end));
            pending.remove(0, end + 1);
        }
        kill = kill || BenchRunner::allocatedBytes(targetImage) >= halfBytes;
    }
    if (!kill) {
        error = QStringLiteral("the clone ended (exit %1) before half of it was copied: %2")
                    .arg(p.exitCode())
                    .arg(QString::fromLocal8Bit(p.readAllStandardError()).trimmed());
        return false;
    }
    p.kill();
    p.waitForFinished(-1);
    reached = BenchRunner::allocatedBytes(targetImage);
    if (p.exitStatus() == QProcess::NormalExit) {
        error = QStringLiteral("the clone ended by itself (exit %1) before it could be killed").arg(p.exitCode());
        return false;
    }
    return true;
}
