#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <vector>

#include "tools/cli/TOOL_TempFile.h"

namespace tool {

namespace {

// The new file to remove should a signal end the run. A signal handler may only read plain
// memory and call what is safe there (unlink, raise): the path is kept in a fixed array.
char g_pending[4096];
volatile std::sig_atomic_t g_has_pending = 0;

extern "C" void RemovePendingAndDie(int signal_number) {
    if (g_has_pending) unlink(g_pending);
    std::signal(signal_number, SIG_DFL);
    std::raise(signal_number);
}

// Once per process; a signal the caller ignores (nohup) stays ignored.
void WatchSignals() {
    static bool watching = false;
    if (watching) return;
    watching = true;
    for (const int signal_number : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction old {};
        if (sigaction(signal_number, nullptr, &old) != 0 || old.sa_handler == SIG_IGN) continue;
        struct sigaction action {};
        action.sa_handler = RemovePendingAndDie;
        sigemptyset(&action.sa_mask);
        sigaction(signal_number, &action, nullptr);
    }
}

void SetPending(const std::string& path) {
    g_has_pending = 0;
    if (path.empty() || path.size() >= sizeof g_pending) return;
    std::memcpy(g_pending, path.c_str(), path.size() + 1);
    g_has_pending = 1;
}

std::string FolderOf(const std::string& path) {
    const std::string::size_type slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

// A rename is on the disk only once its folder is.
void SyncFolder(const std::string& path) {
    const int folder = open(FolderOf(path).c_str(), O_RDONLY);
    if (folder < 0) return;
    fsync(folder);
    close(folder);
}

}  // namespace

OutFile_t::~OutFile_t() {
    Discard();
}

bool OutFile_t::OpenInPlace(const std::string& path) {
    Discard();
    // As the shell's `>`, but never creating: what stands at path was looked at already.
    const int fd = open(path.c_str(), O_WRONLY | O_TRUNC | O_NOCTTY);
    if (fd < 0) return false;
    handle_ = fd;
    return true;
}

bool OutFile_t::CreateBeside(const std::string& target) {
    Discard();
    const std::string::size_type slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    const std::string pattern = folder + "." + name + ".XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    WatchSignals();
    // Blocked while the name is not yet known to the handler, so that no file is left behind.
    sigset_t block, old;
    sigemptyset(&block);
    for (const int signal_number : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&block, signal_number);
    sigprocmask(SIG_BLOCK, &block, &old);
    const int fd = mkstemp(buffer.data());
    if (fd >= 0) SetPending(buffer.data());
    sigprocmask(SIG_SETMASK, &old, nullptr);
    if (fd < 0) return false;
    handle_ = fd;
    temporary_ = buffer.data();
    target_ = target;
    return true;
}

bool OutFile_t::Write(const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = write(static_cast<int>(handle_), data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool OutFile_t::Finish() {
    if (handle_ < 0) return false;
    const int fd = static_cast<int>(handle_);
    if (temporary_.empty()) {
        handle_ = -1;
        return close(fd) == 0;
    }
    // mkstemp made the file private; it gets what OUT had, or what a new file there gets.
    struct stat existing;
    if (stat(target_.c_str(), &existing) == 0) {
        // Best effort: only root may give a file away.
        if (fchown(fd, existing.st_uid, existing.st_gid) != 0)
            (void)fchown(fd, static_cast<uid_t>(-1), existing.st_gid);
        fchmod(fd, existing.st_mode & 07777);
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(fd, 0666 & ~mask);
    }
    bool ok = fsync(fd) == 0;
    handle_ = -1;
    ok = close(fd) == 0 && ok;
    if (!ok || std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        Discard();
        return false;
    }
    g_has_pending = 0;
    temporary_.clear();
    SyncFolder(target_);
    return true;
}

void OutFile_t::Discard() {
    if (handle_ >= 0) close(static_cast<int>(handle_));
    handle_ = -1;
    if (temporary_.empty()) return;
    g_has_pending = 0;
    unlink(temporary_.c_str());
    temporary_.clear();
}

}  // namespace tool
