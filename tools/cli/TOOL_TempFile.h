#pragma once
// The file-system steps behind writing a file whole: a new file beside the target, and the move
// that puts it in the target's place in one step.
#include <string>

namespace tool {

// Creates an empty file in the folder of target, under a name no other file has, with the
// permissions a new file there gets (those of target when it exists). Returns its path, or an
// empty string when it cannot be made.
std::string MakeFileBeside(const std::string& target);

// Moves from over to, replacing it. False when it failed.
bool MoveOver(const std::string& from, const std::string& to);

}  // namespace tool
