#include "platform/data_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

namespace {

bool FitsAsDataFile(const struct stat& st, size_t maxBytes) {
    return S_ISREG(st.st_mode) && st.st_size >= 0 && static_cast<unsigned long long>(st.st_size) <= maxBytes;
}

}  // namespace

bool ReadDataFile(const char* path, size_t maxBytes, std::vector<uint8_t>& out) {
    out.clear();
    if (!path || !*path) return false;
    // Looked at before opening: opening some devices has effects of its own.
    struct stat st;
    if (::stat(path, &st) != 0 || !FitsAsDataFile(st, maxBytes)) return false;
    // Non-blocking, so a pipe swapped in after the look cannot stall the open;
    // the descriptor's own type and size are what count.
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = ::fstat(fd, &st) == 0 && FitsAsDataFile(st, maxBytes);
    if (ok) {
        out.resize(static_cast<size_t>(st.st_size));
        size_t got = 0;
        while (got < out.size()) {
            const ssize_t n = ::read(fd, out.data() + got, out.size() - got);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            got += static_cast<size_t>(n);
        }
        ok = got == out.size();
    }
    ::close(fd);
    if (!ok) {
        out.clear();
        out.shrink_to_fit();
    }
    return ok;
}

}  // namespace platform
