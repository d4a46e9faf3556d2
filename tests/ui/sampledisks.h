#pragma once
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <utility>

// Three image disks the window lists as disks 0 to 2: a (64 MiB, GPT with an ESP and a data
// partition), b (128 MiB, blank) and c (96 MiB, two partitions, one too small for a's data).
// TESSARIN_DISKS, HOME and XDG_CONFIG_HOME point into `dir`. False if sgdisk fails.
inline bool makeSampleDisks(const QTemporaryDir& dir)
{
    const QString a = dir.filePath(QStringLiteral("a.img")), b = dir.filePath(QStringLiteral("b.img")),
                  c = dir.filePath(QStringLiteral("c.img"));
    for (const auto& [path, size] : {std::pair{a, 64}, std::pair{b, 128}, std::pair{c, 96}}) {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || !f.resize(qint64(size) << 20))
            return false;
    }
    const QStringList layout = QStringLiteral("-n 1:2048:+8M -t 1:EF00 -n 2:0:0 -t 2:0700").split(' ');
    if (QProcess::execute(QStringLiteral("sgdisk"), layout + QStringList{a}) != 0)
        return false;
    const QStringList targetLayout = QStringLiteral("-n 1:2048:+30M -n 2:0:+58M").split(' ');
    if (QProcess::execute(QStringLiteral("sgdisk"), targetLayout + QStringList{c}) != 0)
        return false;
    qputenv("TESSARIN_DISKS", QStringLiteral("%1:%2:%3").arg(a, b, c).toLocal8Bit());
    qputenv("HOME", dir.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit());
    return true;
}
