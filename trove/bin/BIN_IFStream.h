#pragma once
// A binary input stream over a file, read through a large buffer.
#include <fstream>
#include <ios>
#include <string>
#include <vector>

#include "trove/bin/BIN_IStream.h"

namespace bin {

template <class C, class Tr = std::char_traits<C>>
class basic_ifstream : public basic_istream<C, Tr> {
public:
    // Always opened for binary input; a file that cannot be opened leaves the stream failed.
    explicit basic_ifstream(const std::string& path, std::ios_base::openmode mode = std::ios_base::in);

    bool is_open() const { return file_.is_open(); }
    std::basic_filebuf<C, Tr>* rdbuf() const { return const_cast<std::basic_filebuf<C, Tr>*>(&file_); }

private:
    static constexpr std::size_t kBufferSize = 256 * 1024;

    std::vector<C> buffer_;  // declared before file_: the file buffer uses it until it closes
    std::basic_filebuf<C, Tr> file_;
};

using ifstream = basic_ifstream<char>;

extern template class basic_ifstream<char>;

}  // namespace bin
