#include <windows.h>

#include <algorithm>

#include "win/WIN_File.h"
#include "win/WIN_FileText.h"
#include "win/WIN_MappedFile.h"
#include "win/WIN_MappedFileView.h"

namespace win {

std::string ReadFileText(const std::string& path) {
    File_t file;
    file.Open(path, GENERIC_READ, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, FILE_SHARE_READ | FILE_SHARE_WRITE);
    MappedFile_t mapping;
    mapping.Create(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    MappedFileView_t view;
    view.Map(mapping, FILE_MAP_READ, 0, 0, 0);
    // The file may have grown since the mapping took its size: never read past the view.
    std::size_t size = std::min<std::size_t>(file.Size(), view.Extent());
    std::string text(static_cast<const char*>(view.Base()), size);
    view.Unmap();
    mapping.Close();
    file.Close();
    return text;
}

}  // namespace win
