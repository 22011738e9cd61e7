#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform.h"

namespace platform {

namespace {
Backend* g_backend = nullptr;
}

Backend* Current() { return g_backend; }
void SetBackend(Backend* backend) { g_backend = backend; }
void ClearBackend() { g_backend = nullptr; }

namespace {
std::string LockPath(const char* name) {
    const char* dir = std::getenv("XDG_RUNTIME_DIR");
    std::string base = (dir && *dir) ? dir : "/tmp";
    return base + "/" + name + ".lock";
}
}  // namespace

InstanceLock::~InstanceLock() { Release(); }

int InstanceLock::Acquire(const char* name) {
    Release();
    const std::string path = LockPath(name);
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // Like a mutex whose creation failed for another reason: run anyway.
    if (fd < 0) return 1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return 0;
    }
    fd_ = fd;
    return 1;
}

void InstanceLock::Release() {
    if (fd_ >= 0) {
        ::flock(fd_, LOCK_UN);
        ::close(fd_);
        fd_ = -1;
    }
}

void SetCurrentThreadLowestPriority() {
    // Per-thread niceness on Linux; raising it needs no privilege.
    const auto tid = static_cast<id_t>(::syscall(SYS_gettid));
    (void)::setpriority(PRIO_PROCESS, tid, 19);
}

}  // namespace platform
