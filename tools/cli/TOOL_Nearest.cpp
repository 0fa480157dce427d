#include "tools/cli/TOOL_Nearest.h"

#include <algorithm>
#include <cctype>

namespace tool {

namespace {

constexpr std::size_t kFarthest = 2;

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Edits (insertion, deletion, substitution, swap of neighbours) that turn a into b.
std::size_t Distance(const std::string& a, const std::string& b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
            }
        }
    }
    return d[a.size()][b.size()];
}

}  // namespace

std::string NearestName(const std::string& given, const std::vector<std::string>& names) {
    // A word of one or two letters is near everything short; only its case can be a slip.
    const std::string lower = Lower(given);
    std::string best;
    std::size_t best_distance = kFarthest + 1;
    for (const std::string& name : names) {
        const std::size_t distance = Distance(lower, Lower(name));
        if (distance < best_distance && (distance == 0 || lower.size() > kFarthest)) {
            best = name;
            best_distance = distance;
        }
    }
    return best;
}

}  // namespace tool
