#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "tools/cli/TOOL_OutputTarget.h"

namespace tool {

namespace {

// path with every symbolic link of its last part followed, also to a file not there yet; the
// folders on the way are left as they are.
std::string FollowLinks(std::string path) {
    for (int step = 0; step < 40; ++step) {
        struct stat link;
        if (lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) break;
        std::vector<char> buffer(static_cast<std::size_t>(link.st_size > 0 ? link.st_size : 255) + 1);
        const ssize_t n = readlink(path.c_str(), buffer.data(), buffer.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= buffer.size()) break;
        const std::string to(buffer.data(), static_cast<std::size_t>(n));
        const std::string::size_type slash = path.rfind('/');
        path = to[0] == '/' || slash == std::string::npos ? to : path.substr(0, slash + 1) + to;
    }
    return path;
}

}  // namespace

OutputTarget_t ExamineOutput(const std::string& path) {
    OutputTarget_t target;
    target.path = FollowLinks(path);
    struct stat status;
    if (stat(target.path.c_str(), &status) != 0) return target;
    if (S_ISREG(status.st_mode)) {
        target.kind = (status.st_mode & 0222) == 0 ? TargetKind_t::ReadOnlyFile : TargetKind_t::File;
    } else {
        target.kind = S_ISDIR(status.st_mode) ? TargetKind_t::Folder : TargetKind_t::Special;
    }
    return target;
}

}  // namespace tool
