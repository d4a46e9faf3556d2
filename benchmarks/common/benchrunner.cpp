#include "benchmarks/common/benchrunner.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace {
constexpr uint64_t IoBlock = 16ull * 1024 * 1024;
constexpr double GiB = 1024.0 * 1024 * 1024;

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

double now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

double seconds(const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; }
}

double Method::medianSeconds() const
{
    std::vector<double> v;
    for (const ChildRun& r : runs)
        v.push_back(r.seconds);
    return median(v);
}

double Method::bestSeconds() const
{
    double best = 0;
    for (const ChildRun& r : runs)
        best = best == 0 ? r.seconds : std::min(best, r.seconds);
    return best;
}

double Method::medianCpuSeconds() const
{
    std::vector<double> v;
    for (const ChildRun& r : runs)
        v.push_back(r.cpuSeconds);
    return median(v);
}

long Method::peakKiB() const
{
    long peak = 0;
    for (const ChildRun& r : runs)
        peak = std::max(peak, r.peakKiB);
    return peak;
}

bool BenchRunner::parseOptions(int argc, char** argv, BenchOptions& options, QString& error)
{
    for (int i = 1; i < argc; ++i) {
        const QString opt = QString::fromLocal8Bit(argv[i]);
        const bool hasValue = i + 1 < argc;
        if (opt == QLatin1String("--quick")) {
            options.quick = true;
            options.rounds = 1;
        } else if (opt == QLatin1String("--rounds") && hasValue) {
            options.rounds = std::max(1, QString::fromLocal8Bit(argv[++i]).toInt());
        } else if (opt == QLatin1String("--dir") && hasValue) {
            options.dir = QString::fromLocal8Bit(argv[++i]);
        } else {
            error = usage(argv[0]);
            return false;
        }
    }
    return true;
}

QString BenchRunner::usage(const char* program)
{
    return QStringLiteral("usage: %1 [--rounds N (9)] [--quick] [--dir /var/tmp]").arg(QString::fromLocal8Bit(program));
}

bool BenchRunner::dropCaches()
{
    ::sync();
    FILE* f = std::fopen("/proc/sys/vm/drop_caches", "w");
    if (!f)
        return false;
    const bool ok = std::fputs("3\n", f) >= 0;
    return std::fclose(f) == 0 && ok;
}

ChildRun BenchRunner::runChild(const QStringList& command)
{
    ChildRun r;
    if (command.isEmpty()) {
        r.error = QStringLiteral("no command");
        return r;
    }
    std::vector<QByteArray> args;
    for (const QString& a : command)
        args.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    int errorPipe[2];
    if (pipe2(errorPipe, O_CLOEXEC) != 0) {
        r.error = QString::fromLocal8Bit(strerror(errno));
        return r;
    }
    // The child's chatter stays off the table; its standard error is kept for a failure's message.
    const int errors = memfd_create("bench-child-stderr", MFD_CLOEXEC);
    const double start = now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        if (errors >= 0)
            dup2(errors, STDERR_FILENO);
        execvp(argv[0], argv.data());
        const int e = errno;
        (void)!::write(errorPipe[1], &e, sizeof e);
        _exit(127);
    }
    ::close(errorPipe[1]);
    if (pid < 0) {
        ::close(errorPipe[0]);
        r.error = QString::fromLocal8Bit(strerror(errno));
        return r;
    }
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    r.seconds = now() - start;
    int execError = 0;
    if (::read(errorPipe[0], &execError, sizeof execError) == ssize_t(sizeof execError))
        r.error = QStringLiteral("cannot run %1: %2").arg(command.first(), QString::fromLocal8Bit(strerror(execError)));
    ::close(errorPipe[0]);
    r.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    r.peakKiB = usage.ru_maxrss;
    r.ok = r.error.isEmpty() && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (r.error.isEmpty() && !r.ok) {
        r.error = WIFEXITED(status) ? QStringLiteral("%1 exited with %2").arg(command.first()).arg(WEXITSTATUS(status))
                                    : QStringLiteral("%1 ended by a signal").arg(command.first());
        char tail[400] = {};
        const off_t end = errors >= 0 ? lseek(errors, 0, SEEK_END) : 0;
        const ssize_t n = end > 0 ? pread(errors, tail, sizeof tail - 1, std::max<off_t>(0, end - off_t(sizeof tail - 1))) : 0;
        if (n > 0)
            r.error += QStringLiteral(": ") + QString::fromLocal8Bit(tail, int(n)).trimmed();
    }
    if (errors >= 0)
        ::close(errors);
    return r;
}

void BenchRunner::runRounds(std::vector<Method>& methods, int rounds)
{
    bool warned = false;
    for (int round = 0; round < rounds; ++round) {
        std::printf("  round %d of %d:", round + 1, rounds);
        std::vector<size_t> order(methods.size());
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = round % 2 ? order.size() - 1 - i : i;
        for (size_t i : order) {
            Method& m = methods[i];
            if (m.failed)
                continue;
            if (m.prepare && !m.prepare()) {
                m.failed = true;
                m.failure = QStringLiteral("preparing the run failed");
                continue;
            }
            if (!dropCaches() && !warned) {
                std::printf(" (cannot drop the page cache: not root?)");
                warned = true;
            }
            const ChildRun r = runChild(m.command());
            dropCaches();
            if (!r.ok) {
                m.failed = true;
                m.failure = r.error;
            } else if (round == 0 && m.check) {
                m.failure = m.check();
                m.failed = !m.failure.isEmpty();
            }
            if (!m.failed)
                m.runs.push_back(r);
            std::printf(" %s %.2fs%s", qPrintable(m.name), r.seconds, m.failed ? " FAILED" : "");
            std::fflush(stdout);
        }
        std::printf("\n");
    }
}

void BenchRunner::printTable(const QString& title, const std::vector<Method>& methods, uint64_t bytes)
{
    const double gib = double(bytes) / GiB;
    std::printf("\n%s (%.2f GiB)\n", qPrintable(title), gib);
    std::printf("  %-28s %9s %9s %12s %10s %9s\n", "method", "median s", "best s", "median MiB/s", "CPU s/GiB", "peak MiB");
    for (const Method& m : methods) {
        if (m.runs.empty()) {
            std::printf("  %-28s %s\n", qPrintable(m.name), m.failed ? qPrintable(QStringLiteral("FAILED: ") + m.failure) : "not run");
            continue;
        }
        const double med = m.medianSeconds();
        std::printf("  %-28s %9.2f %9.2f %12.1f %10.3f %9.1f%s\n", qPrintable(m.name), med, m.bestSeconds(),
                    med > 0 ? double(bytes) / (1024.0 * 1024) / med : 0.0, gib > 0 ? m.medianCpuSeconds() / gib : 0.0,
                    double(m.peakKiB()) / 1024, m.failed ? qPrintable(QStringLiteral("  FAILED later: ") + m.failure) : "");
    }
}

bool BenchRunner::printRatio(const QString& label, const Method& ours, const Method& theirs, double goal)
{
    const double a = ours.medianSeconds(), b = theirs.medianSeconds();
    if (ours.runs.empty() || theirs.runs.empty() || b <= 0) {
        std::printf("  %-52s    n/a  (goal <= %.2f)\n", qPrintable(label), goal);
        return true;
    }
    const double ratio = a / b;
    std::printf("  %-52s %6.2f  (goal <= %.2f) %s\n", qPrintable(label), ratio, goal, ratio <= goal ? "met" : "MISSED");
    return ratio <= goal;
}

bool BenchRunner::fillRandomFile(const QString& path, uint64_t size, uint64_t seed)
{
    const int fd = ::open(path.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    std::vector<uint64_t> block(IoBlock / 8);
    uint64_t state = seed * 0x9E3779B97F4A7C15ull + 1;
    bool ok = true;
    for (uint64_t done = 0; ok && done < size;) {
        for (uint64_t& w : block) {
            state ^= state << 13;
            state ^= state >> 7;
            state ^= state << 17;
            w = state | 0x0101010101010101ull;  // no zero byte anywhere: nothing sparse or compressible
        }
        const uint64_t n = std::min(IoBlock, size - done);
        ok = ::write(fd, block.data(), n) == ssize_t(n);
        done += n;
    }
    ok = ::close(fd) == 0 && ok;
    return ok;
}

bool BenchRunner::makeSparseFile(const QString& path, uint64_t size)
{
    QFile::remove(path);
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.resize(qint64(size));
}

bool BenchRunner::sameBytes(const QString& a, const QString& b, uint64_t size)
{
    QFile fa(a), fb(b);
    if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly))
        return false;
    std::vector<char> ba(IoBlock), bb(IoBlock);
    for (uint64_t done = 0; done < size;) {
        const qint64 n = qint64(std::min(IoBlock, size - done));
        if (fa.read(ba.data(), n) != n || fb.read(bb.data(), n) != n || std::memcmp(ba.data(), bb.data(), size_t(n)))
            return false;
        done += uint64_t(n);
    }
    return true;
}

bool BenchRunner::tool(const QString& program, const QStringList& arguments, QString* error, QString* output)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, arguments);
    const bool ok = p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    const QString text = QString::fromLocal8Bit(p.readAll()).trimmed();
    if (output)
        *output = text;
    if (!ok && error)
        *error = program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')) + QStringLiteral(": ") + text;
    return ok;
}

QString BenchRunner::attachLoop(const QString& image, bool readOnly, uint64_t offset, uint64_t size)
{
    QProcess p;
    QStringList args{QStringLiteral("-f"), QStringLiteral("--show")};
    if (readOnly)
        args << QStringLiteral("-r");
    if (size > 0)
        args << QStringLiteral("-o") << QString::number(offset) << QStringLiteral("--sizelimit") << QString::number(size);
    p.start(QStringLiteral("losetup"), args << image);
    if (!p.waitForFinished(-1) || p.exitCode() != 0)
        return {};
    const QString device = QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
    return device.startsWith(QStringLiteral("/dev/")) ? device : QString();
}

void BenchRunner::detachLoop(const QString& device)
{
    if (!device.isEmpty())
        tool(QStringLiteral("losetup"), {QStringLiteral("-d"), device});
}

bool BenchRunner::haveTool(const QString& program)
{
    return !QStandardPaths::findExecutable(program).isEmpty()
        || !QStandardPaths::findExecutable(program, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")}).isEmpty();
}

uint64_t BenchRunner::allocatedBytes(const QString& path)
{
    struct stat s {};
    return ::stat(path.toLocal8Bit().constData(), &s) == 0 ? uint64_t(s.st_blocks) * 512 : 0;
}
