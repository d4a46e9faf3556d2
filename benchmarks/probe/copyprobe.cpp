// One copy the way the clones do it, as its own process, so the benchmarks measure its time, CPU
// time and peak memory exactly as they measure dd's:
//   tessarin_copy_probe raw|smart SOURCE TARGET BYTES [--verify]
// raw: DiskIO::copyExtents over BYTES. smart: the used space of the NTFS or FAT32 volume filling
// SOURCE (BYTES long), planned as a partition clone plans it, through DiskIO::copyExtents.
#include "core/diskio.h"
#include "modes/copyplan.h"
#include "modes/usedspace.h"

#include <QCoreApplication>

#include <cstdio>

namespace {
// Verification comes with the overlapped copy routine; a build without it says so rather than
// timing an unverified copy as a verified one.
template <typename IO>
bool enableVerification(IO& io)
{
    if constexpr (requires { io.setVerify(true); }) {
        io.setVerify(true);
        return true;
    } else {
        return false;
    }
}

int fail(const QString& message)
{
    std::fprintf(stderr, "tessarin_copy_probe: %s\n", qPrintable(message));
    return 1;
}
}

int main(int argc, char** argv)
{
    const bool verify = argc == 6 && QByteArray(argv[5]) == "--verify";
    if ((argc != 5 && !verify) || (QByteArray(argv[1]) != "raw" && QByteArray(argv[1]) != "smart")) {
        std::fprintf(stderr, "usage: %s raw|smart SOURCE TARGET BYTES [--verify]\n", argv[0]);
        return 2;
    }
    const bool smart = QByteArray(argv[1]) == "smart";
    bool sizeOk = false;
    const uint64_t bytes = QByteArray(argv[4]).toULongLong(&sizeOk);
    if (!sizeOk || bytes == 0)
        return fail(QStringLiteral("BYTES must be a positive number"));
    // Source and target become disks 0 and 1, opened as the clones open physical drives.
    qputenv("TESSARIN_DISKS", QByteArray(argv[2]) + ':' + QByteArray(argv[3]));
    QCoreApplication app(argc, argv);

    DiskIO io;
    if (verify && !enableVerification(io))
        return fail(QStringLiteral("verification not built"));
    if (!io.openSourceDisk(0) || !io.openTargetDisk(1))
        return fail(io.lastError());
    std::vector<CopyExtent> extents{{0, 0, bytes}};
    if (smart) {
        PartitionInfo partition;
        partition.size = bytes;
        CopyPlan plan;
        QString fileSystem, reason;
        if (UsedSpace::addTo(plan, partition, io.sourceDevice(), 0, 0, fileSystem, reason) != UsedSpace::Result::Planned)
            return fail(QStringLiteral("no usable NTFS or FAT32 usage map in %1").arg(QString::fromLocal8Bit(argv[2])));
        extents = plan.extents();
    }
    return io.copyExtents(extents) ? 0 : fail(io.lastError());
}
