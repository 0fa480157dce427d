#pragma once
// The known name nearest to a mistyped one, for "did you mean ...?".
#include <string>
#include <vector>

namespace tool {

// The name of names that given is most likely a slip for: the same but for case, or at most
// two letters added, dropped, changed or swapped (the fewest wins, the first on a tie). Empty
// when none is that near.
std::string NearestName(const std::string& given, const std::vector<std::string>& names);

}  // namespace tool
