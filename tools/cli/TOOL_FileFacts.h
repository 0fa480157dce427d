#pragma once
// What a refusal may say of the file itself: its size and its first bytes.
#include <cstdint>
#include <string>
#include <string_view>

namespace tool {

struct FileFacts_t {
    bool known = false;  // false for what cannot be read twice (a pipe): nothing is known then
    std::uint64_t size = 0;
    std::string head;  // the first kHeadBytes bytes, or all of a shorter file

    static constexpr std::size_t kHeadBytes = 4096;
};

// Read again after a refusal, so the load itself never keeps them: only a regular file is
// opened again (a pipe would wait for a writer that has gone).
FileFacts_t FactsOfFile(const std::string& path);
FileFacts_t FactsOfBytes(std::string_view bytes);

}  // namespace tool
