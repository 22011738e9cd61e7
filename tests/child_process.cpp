#include "child_process.h"

#include <sys/wait.h>
#include <unistd.h>

pid_t Spawn(const char* program) {
    pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

bool WaitExit(pid_t pid, int seconds, int* status) {
    for (int i = 0; i < seconds * 100; ++i) {
        if (waitpid(pid, status, WNOHANG) == pid) return true;
        usleep(10000);
    }
    return false;
}
