#include "platform/posix/posixprocess.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {
int64_t nowMs()
{
    timespec t {};
    ::clock_gettime(CLOCK_MONOTONIC, &t);
    return int64_t(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

// Waits for the child; a child whose status cannot be had counts as not exited.
int reap(pid_t pid)
{
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
} // namespace

PosixProcess::Result PosixProcess::run(const std::vector<std::string>& argv, int timeoutMs, size_t outputLimit)
{
    Result result;
    if (argv.empty())
        return result;
    int outPipe[2], errPipe[2];
    if (::pipe2(outPipe, O_CLOEXEC) != 0)
        return result;
    if (::pipe2(errPipe, O_CLOEXEC) != 0) {
        ::close(outPipe[0]);
        ::close(outPipe[1]);
        return result;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], STDERR_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    // Its own process group, so that a kill reaches whatever it started too.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = ::posix_spawnp(&pid, args[0], &actions, &attributes, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    if (spawned != 0) {
        ::close(outPipe[0]);
        ::close(errPipe[0]);
        return result;
    }
    result.started = true;

    const int64_t deadline = nowMs() + (timeoutMs < 0 ? 0 : timeoutMs);
    pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
    std::string* sinks[2] = {&result.out, &result.err};
    int open = 2;
    char buffer[65536];
    while (open > 0) {
        const int64_t left = deadline - nowMs();
        if (left <= 0) {
            result.timedOut = true;
            break;
        }
        const int ready = ::poll(fds, 2, int(left));
        if (ready < 0 && errno != EINTR)
            break;
        for (int i = 0; i < 2 && ready > 0; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0)
                continue;
            const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                const size_t room = outputLimit - sinks[i]->size();
                sinks[i]->append(buffer, std::min(room, size_t(n)));
                if (size_t(n) > room)
                    result.outputCut = true;
            } else if (n == 0 || errno != EINTR) {
                ::close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
        if (result.outputCut)
            break;
    }
    if (result.timedOut || result.outputCut)
        ::kill(-pid, SIGKILL);
    for (const pollfd& p : fds)
        if (p.fd >= 0)
            ::close(p.fd);
    if (!result.timedOut && !result.outputCut) {
        // Both channels closed: the child is ending, but it may still linger past the deadline.
        // Poll for it rather than block on it.
        int status = 0;
        for (;;) {
            const pid_t done = ::waitpid(pid, &status, WNOHANG);
            if (done == pid) {
                result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
                return result;
            }
            if (done < 0 && errno != EINTR)
                return result;
            if (nowMs() >= deadline) {
                result.timedOut = true;
                ::kill(-pid, SIGKILL);
                break;
            }
            ::usleep(10000);
        }
    }
    reap(pid);
    return result;
}
