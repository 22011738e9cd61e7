// Running the real program from a test.
#pragma once

#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

// Starts program with no arguments in the current environment; the pid, or -1.
pid_t Spawn(const char* program);
// Waits up to seconds for pid to end; true with its status when it did.
bool WaitExit(pid_t pid, int seconds, int* status);

// What RunInChild returns besides the child's own exit code.
constexpr int kChildBlocked = -1;  // still running when its 5 s alarm went off
constexpr int kChildCrashed = -2;

// Runs fn (returning the exit code) in a child; with unprivileged, a child of
// root runs fn as the unprivileged user "nobody" so file permissions apply.
template <typename Fn>
int RunInChild(Fn fn, bool unprivileged = false) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::alarm(5);
        if (unprivileged && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(125);
        ::_exit(fn());
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid) return kChildCrashed;
    if (WIFSIGNALED(status)) return WTERMSIG(status) == SIGALRM ? kChildBlocked : kChildCrashed;
    return WIFEXITED(status) && WEXITSTATUS(status) != 125 ? WEXITSTATUS(status) : kChildCrashed;
}
