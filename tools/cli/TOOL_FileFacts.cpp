#include "tools/cli/TOOL_FileFacts.h"

#include <filesystem>
#include <fstream>

namespace tool {

FileFacts_t FactsOfFile(const std::string& path) {
    FileFacts_t facts;
    std::error_code failed;
    if (!std::filesystem::is_regular_file(path, failed)) return facts;
    const std::uintmax_t size = std::filesystem::file_size(path, failed);
    std::ifstream in(path, std::ios::binary);
    if (failed || !in) return facts;
    facts.known = true;
    facts.size = size;
    facts.head.resize(FileFacts_t::kHeadBytes);
    in.read(facts.head.data(), static_cast<std::streamsize>(facts.head.size()));
    facts.head.resize(static_cast<std::size_t>(in.gcount()));
    return facts;
}

FileFacts_t FactsOfBytes(std::string_view bytes) {
    FileFacts_t facts;
    facts.known = true;
    facts.size = bytes.size();
    facts.head = std::string(bytes.substr(0, FileFacts_t::kHeadBytes));
    return facts;
}

}  // namespace tool
