#pragma once
// The file an output goes to, held by the system's handle: either OUT itself, opened in place as
// the shell's `>` opens it (a device, a pipe), or a new file beside OUT that is written whole,
// synced, given OUT's permissions and moved over OUT in one step. A new file not yet moved is
// removed when the run is interrupted (SIGINT, SIGTERM, SIGHUP) as when it is given up.
#include <cstddef>
#include <cstdint>
#include <string>

namespace tool {

class OutFile_t {
public:
    OutFile_t() = default;
    // Closes the handle; a new file not moved over its target is removed.
    ~OutFile_t();
    OutFile_t(const OutFile_t&) = delete;
    OutFile_t& operator=(const OutFile_t&) = delete;

    // Opens path, which exists, for writing; never creates or replaces it.
    bool OpenInPlace(const std::string& path);
    // Creates a file under a name no other has, in target's folder.
    bool CreateBeside(const std::string& target);

    bool Write(const char* data, std::size_t size);
    // In place: closes. Beside: syncs to the disk, takes the target's permissions (a new
    // file's when it has none), closes and moves over the target. False when any step failed;
    // the new file is then removed.
    bool Finish();
    // Closes, and removes a new file not moved.
    void Discard();

private:
    std::intptr_t handle_ = -1;
    std::string temporary_;  // the new file beside target_, while it is not moved
    std::string target_;
};

}  // namespace tool
