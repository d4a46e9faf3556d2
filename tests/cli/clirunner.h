#pragma once
// Running the built tessarin-cli on image files, and the sample source the command-line tests clone.
#include "common/imagefixture.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace CliRunner {

// The exit code (-1 when it crashed); standard output in `out`, standard error in `err`.
inline int run(const QStringList& disks, const QStringList& arguments, QByteArray* out = nullptr, QByteArray* err = nullptr)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TESSARIN_DISKS"), disks.join(QLatin1Char(':')));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TESSARIN_CLI), arguments);
    p.closeWriteChannel();
    p.waitForFinished(240000);
    if (out)
        *out = p.readAllStandardOutput();
    if (err)
        *err = p.readAllStandardError();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

// `sh -c command`; true when it exits 0.
inline bool sh(const QString& command, QByteArray* out = nullptr)
{
    QProcess p;
    p.start(QStringLiteral("sh"), {QStringLiteral("-c"), command});
    p.waitForFinished(120000);
    if (out)
        *out = p.readAllStandardOutput();
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// GPT disk of `mib` MiB: a FAT32 partition holding `dataFile` (3 MB of random bytes, made here) as
// /data.bin, then an 8 MiB partition; made by outside tools.
inline bool makeSource(const QString& image, int mib, const QString& dataFile)
{
    return sh(QStringLiteral("truncate -s %1M %2 && sgdisk -n1:2048:+40M -t1:0700 -n2:0:+8M -t2:8300 %2 >/dev/null"
                             " && mkfs.fat -F 32 -s 1 --offset 2048 %2 40960 >/dev/null"
                             " && head -c 3000000 /dev/urandom > %3 && MTOOLS_SKIP_CHECK=1 mcopy -i %2@@1M %3 ::/data.bin")
                  .arg(mib)
                  .arg(image, dataFile));
}

}
