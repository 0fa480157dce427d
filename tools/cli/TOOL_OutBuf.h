#pragma once
// A stream buffer that hands what is written to an OutFile_t in large pieces. A failed write
// fails the stream, and nothing more is written after it.
#include <memory>
#include <streambuf>

#include "tools/cli/TOOL_TempFile.h"

namespace tool {

class OutBuf_t : public std::streambuf {
public:
    explicit OutBuf_t(OutFile_t& file);
    OutBuf_t(const OutBuf_t&) = delete;
    OutBuf_t& operator=(const OutBuf_t&) = delete;

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* data, std::streamsize size) override;
    int sync() override;

private:
    static constexpr std::size_t kCapacity = 1 << 16;

    bool Drain();

    OutFile_t& file_;
    std::unique_ptr<char[]> buffer_;
    bool failed_ = false;
};

}  // namespace tool
