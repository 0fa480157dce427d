#pragma once
// Text on the clipboard.
#include <windows.h>

#include <string>

namespace err {

// Replaces the clipboard's content with the text in the text format (CF_TEXT), the clipboard being
// opened for the given window. A refusal of the system raises win::Error_t; the clipboard is then
// left closed and no memory is lost.
void PutTextOnClipboard(HWND owner, const std::string& text);

}  // namespace err
