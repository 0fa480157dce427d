#pragma once
// A layout read from a binary stream through its one decoder over bytes (SpanReader_t): the
// decoder reads what the stream holds unread, the stream moves past what was read and takes
// on the reader's failure, as if its own reads had done the work. A stream over memory shows
// its bytes in place; any other stream gives up its remaining bytes first and is moved back to
// just after the decoded ones where it can seek.
#include <cstddef>
#include <ios>
#include <string>
#include <string_view>

#include "trove/bin/BIN_IStream.h"
#include "trove/bin/BIN_MemoryBuffer.h"
#include "trove/bin/BIN_OutOfMemory.h"
#include "trove/bin/BIN_SpanReader.h"

namespace bin {

template <class C, class Tr>
class StreamBytes_t {
public:
    explicit StreamBytes_t(basic_istream<C, Tr>& in) : in_(in) {
        if (!in.good()) return;  // the reader starts failed and reads nothing
        memory_ = dynamic_cast<basic_memorybuf<C, Tr>*>(in.rdbuf());
        if (memory_ != nullptr) {
            const std::basic_string_view<C, Tr> unread = memory_->Unread();
            bytes_ = std::string_view(reinterpret_cast<const char*>(unread.data()), unread.size());
            return;
        }
        try {
            C chunk[4096];
            for (std::streamsize got; (got = in.rdbuf()->sgetn(chunk, sizeof chunk)) > 0;)
                copy_.append(reinterpret_cast<const char*>(chunk), static_cast<std::size_t>(got));
        } catch (...) {
            // As a read of the stream's own: the buffer's exception where the caller asked for it.
            RethrowOutOfMemory();
            try {
                in.setstate(std::ios_base::badbit);
            } catch (const std::ios_base::failure&) {
            }
            if (in.exceptions() & std::ios_base::badbit) throw;
            copy_.clear();
        }
        bytes_ = copy_;
    }
    StreamBytes_t(const StreamBytes_t&) = delete;
    StreamBytes_t& operator=(const StreamBytes_t&) = delete;

    std::string_view View() const noexcept { return bytes_; }

    // Moves the stream past what reader read and gives it the reader's failure.
    void Finish(const SpanReader_t& reader) {
        if (memory_ != nullptr) {
            memory_->Skip(reader.Consumed());
        } else if (!copy_.empty()) {
            const auto back = static_cast<typename Tr::off_type>(copy_.size() - reader.Consumed());
            if (back > 0) in_.rdbuf()->pubseekoff(-back, std::ios_base::cur, std::ios_base::in);
        }
        const std::ios_base::iostate added = reader.rdstate() & ~in_.rdstate();
        if (added != std::ios_base::goodbit) in_.setstate(added);
    }

private:
    basic_istream<C, Tr>& in_;
    basic_memorybuf<C, Tr>* memory_ = nullptr;
    std::string copy_;
    std::string_view bytes_;
};

// Runs decode(SpanReader_t&) over what in holds unread. An exception of decode leaves the
// stream past what was read before it and is passed on.
template <class C, class Tr, class Decode>
void DecodeStream(basic_istream<C, Tr>& in, Decode&& decode) {
    StreamBytes_t<C, Tr> bytes(in);
    SpanReader_t reader(bytes.View(), in.rdstate());
    try {
        decode(reader);
    } catch (...) {
        try {
            bytes.Finish(reader);
        } catch (const std::ios_base::failure&) {
        }
        throw;
    }
    bytes.Finish(reader);
}

}  // namespace bin
