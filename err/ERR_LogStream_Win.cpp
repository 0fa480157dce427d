#include <windows.h>

#include "err/ERR_LogStream.h"

namespace err {

template <typename Char>
BasicLogStream_t<Char>::BasicLogStream_t(const std::string& application_name) {
    char temp[MAX_PATH + 1] = {};
    const DWORD length = ::GetTempPathA(sizeof temp, temp);
    // A result longer than the buffer is the size it would need: no directory was written.
    if (length == 0 || length >= sizeof temp) {
        this->setstate(std::ios_base::failbit);
        return;
    }
    std::string directory(temp, length);
    ::CreateDirectoryA(directory.c_str(), nullptr);
    directory += application_name + "\\";
    ::CreateDirectoryA(directory.c_str(), nullptr);
    path_ = directory + application_name + ".log";
    this->open(path_, std::ios_base::out | std::ios_base::app);
}

template class BasicLogStream_t<char>;

}  // namespace err
