#include "file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <vector>

namespace vortan {

namespace {
std::function<bool(std::size_t)>& faultHook() {
    static std::function<bool(std::size_t)> hook;
    return hook;
}
}  // namespace

void setAtomicWriteFaultHook(std::function<bool(std::size_t)> hook) { faultHook() = std::move(hook); }

bool fileReadable(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return static_cast<bool>(in);
}

bool readFileBytes(const std::string& path, std::string& out, std::size_t maxBytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    out.clear();
    char buf[1 << 14];
    while (out.size() < maxBytes && in) {
        in.read(buf, static_cast<std::streamsize>(std::min(sizeof buf, maxBytes - out.size())));
        out.append(buf, static_cast<std::size_t>(in.gcount()));
    }
    return true;
}

bool writeFileAtomically(const std::string& path, const std::string& bytes) {
    std::string tmpl = path + ".XXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) return false;
    bool ok = true;
    std::size_t written = 0;
    while (ok && written < bytes.size()) {
        if (faultHook() && !faultHook()(written)) {
            ok = false;
            break;
        }
        const std::size_t chunk = std::min<std::size_t>(bytes.size() - written, 1 << 16);
        const ssize_t n = ::write(fd, bytes.data() + written, chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) ok = false;
        else written += static_cast<std::size_t>(n);
    }
    if (ok && faultHook() && !faultHook()(written)) ok = false;
    // Keep the usual permissions of a new file rather than mkstemp's 0600.
    if (ok) {
        const mode_t mask = umask(0);
        umask(mask);
        struct stat st;
        const mode_t mode = ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : (0666 & ~mask);
        fchmod(fd, mode);
    }
    if (ok && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    if (ok && std::rename(name.data(), path.c_str()) != 0) ok = false;
    if (!ok) {
        ::unlink(name.data());
        return false;
    }
    // Make the rename itself durable.
    const std::size_t slash = path.find_last_of('/');
    const std::string dir = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return true;
}

std::string MakeNumberedName(const std::string& prefix, int n, const std::string& suffix) {
    return prefix + std::to_string(n) + suffix;
}

}  // namespace vortan
