#pragma once
// The error log: one file under the system's temporary directory, to which every report is appended.
#include <fstream>
#include <string>

namespace err {

template <typename Char>
class BasicLogStream_t : public std::basic_ofstream<Char> {
public:
    // Opens "<temporary directory><name>\<name>.log" for appending text, creating the directories
    // as needed. Without a temporary directory, or when the file cannot be opened, the stream is
    // left failed (and the path empty in the first case); nothing is raised.
    explicit BasicLogStream_t(const std::string& application_name);

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

extern template class BasicLogStream_t<char>;

}  // namespace err
