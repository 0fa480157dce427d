#pragma once
// A stream read in pieces of bounded size, for loading a data file from standard input with
// the memory a named file takes: only the piece being read is held. The first piece stays
// until the second is read, so that a reader may go back to the start after the header.
#include <cstdint>
#include <istream>
#include <memory>
#include <streambuf>
#include <string>

#include "tools/cli/TOOL_FileFacts.h"

namespace tool {

class InputPieces_t : public std::streambuf {
public:
    explicit InputPieces_t(std::istream& in);
    InputPieces_t(const InputPieces_t&) = delete;
    InputPieces_t& operator=(const InputPieces_t&) = delete;

    // True when reading failed (not the end of the input).
    bool Failed() const { return failed_; }

    // After a refusal: reads the rest, counting it, for the input's size and its first bytes.
    FileFacts_t DrainedFacts();

protected:
    int_type underflow() override;
    pos_type seekoff(off_type offset, std::ios_base::seekdir way, std::ios_base::openmode which) override;
    pos_type seekpos(pos_type position, std::ios_base::openmode which) override;

private:
    static constexpr std::size_t kPiece = 256 * 1024;  // as a named file's buffer

    std::istream& in_;
    std::unique_ptr<char[]> buffer_;
    std::uint64_t start_ = 0;  // the input's offset of the piece held
    bool failed_ = false;
    std::string head_;  // the input's first bytes, kept for DrainedFacts
};

}  // namespace tool
