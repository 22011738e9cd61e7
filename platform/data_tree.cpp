#include "platform/data_tree.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace platform {

bool HoldsDataTree(const std::string& folder) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return false;
    bool found = false;
    while (const dirent* e = ::readdir(dir)) {
        struct stat st;
        if (::strcasecmp(e->d_name, "bmp") == 0 && ::stat((folder + "/" + e->d_name).c_str(), &st) == 0 &&
            S_ISDIR(st.st_mode)) {
            found = true;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

std::string ExecutablePath() {
    std::vector<char> buf(256);
    for (;;) {
        const ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size());
        if (n < 0) return "";
        if (static_cast<size_t>(n) < buf.size()) return std::string(buf.data(), static_cast<size_t>(n));
        buf.resize(buf.size() * 2);
    }
}

bool EnterDataTree(const std::string& exePath, std::FILE* notices) {
    if (HoldsDataTree(".")) return true;
    const size_t slash = exePath.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string(".") : exePath.substr(0, slash);
    const std::string beside = folder + "/data";
    if (!exePath.empty() && HoldsDataTree(beside) && ::chdir(beside.c_str()) == 0) return true;
    if (notices) {
        std::vector<char> cwd(4096);
        const char* here = ::getcwd(cwd.data(), cwd.size()) ? cwd.data() : ".";
        std::fprintf(notices,
                     "morvane: no game data in %s or %s; build the game (cmake --build build) and "
                     "start it as build/morvane, or as ../morvane from build/data\n",
                     here, beside.c_str());
        std::fflush(notices);
    }
    return false;
}

}  // namespace platform
