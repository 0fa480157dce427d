#pragma once
// Placeholder replacement in message texts: "%0".."%9" take the arguments, "%%" gives "%".
#include <string>
#include <vector>

namespace base {

// Replaces the placeholders of text in place, scanning once from the start; replaced text is
// not scanned again. Every argument must be used at least once. A '%' at the very end or an
// unused argument raises base::Assert_t with the caller's file and line; any other bad
// placeholder raises it with this file's.
void StringReplace(std::string& text, const std::vector<std::string>& args, const char* file, int line);

}  // namespace base
