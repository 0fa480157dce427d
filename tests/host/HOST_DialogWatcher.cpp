#include "tests/host/HOST_DialogWatcher.h"

#include <algorithm>
#include <chrono>

#include "lang/LANG_Resources.h"
#include "tests/host/HOST_Recorder.h"

namespace host {
namespace {

constexpr int kFileNameBox = 0x47C;  // cmb13: the explorer-style dialog's file-name combo box
constexpr int kBoxText = 0xFFFF;     // a message box's static text
constexpr int kBoxIcon = 0x0014;     // a message box's icon (stc5 in the system's template)

std::string ItemText(HWND dialog, int id) {
    HWND item = ::GetDlgItem(dialog, id);
    if (!item) return std::string();
    std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(item)) + 1, '\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextA(item, &text[0], static_cast<int>(text.size()))));
    return text;
}

std::string IconOf(HWND box) {
    HICON icon = reinterpret_cast<HICON>(::SendDlgItemMessageA(box, kBoxIcon, STM_GETICON, 0, 0));
    if (!icon) {
        // Wine numbers the icon control differently: take the first static that holds an icon.
        for (HWND child = ::GetWindow(box, GW_CHILD); child && !icon; child = ::GetWindow(child, GW_HWNDNEXT))
            icon = reinterpret_cast<HICON>(::SendMessageA(child, STM_GETICON, 0, 0));
    }
    if (!icon) return "none";
    const struct {
        LPCSTR id;
        const char* name;
    } icons[] = {{IDI_WARNING, "warning"}, {IDI_INFORMATION, "information"}, {IDI_ERROR, "error"},
                 {IDI_QUESTION, "question"}};
    for (const auto& known : icons) {
        if (::LoadIconA(nullptr, known.id) == icon) return known.name;
    }
    return "other";
}

// The edit control in which the explorer-style dialog takes the file name.
HWND FileNameEdit(HWND dialog) {
    HWND box = ::GetDlgItem(dialog, kFileNameBox);
    if (!box) return nullptr;
    HWND combo = ::FindWindowExA(box, nullptr, "ComboBox", nullptr);
    HWND edit = ::FindWindowExA(combo ? combo : box, nullptr, "Edit", nullptr);
    return edit ? edit : box;
}

}  // namespace

DialogWatcher_t::DialogWatcher_t(std::string pick, bool boxes, std::FILE* echo)
    : pick_(std::move(pick)), boxes_too_(boxes), echo_(echo), thread_([this] { Watch(); }) {}

DialogWatcher_t::~DialogWatcher_t() {
    stop_ = true;
    thread_.join();
}

std::vector<Box_t> DialogWatcher_t::Boxes() {
    std::lock_guard<std::mutex> lock(mutex_);
    return boxes_;
}

bool DialogWatcher_t::WaitFor(std::size_t count, DWORD timeout_ms) {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    while (std::chrono::steady_clock::now() < end) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (boxes_.size() >= count) return true;
        }
        ::Sleep(20);
    }
    return false;
}

Box_t DialogWatcher_t::Read(HWND dialog) const {
    Box_t box;
    char caption[512] = {};
    ::GetWindowTextA(dialog, caption, sizeof caption);
    box.caption = caption;
    if (FileNameEdit(dialog)) {
        box.kind = "open";
        box.text = pick_;
    } else if (::GetDlgItem(dialog, LANG_IDC_REPORT)) {
        box.kind = "error";
        box.text = ItemText(dialog, LANG_IDC_INTRODUCTION) + "\n" + ItemText(dialog, LANG_IDC_REPORT);
    } else {
        box.kind = "box";
        box.text = ItemText(dialog, kBoxText);
        box.icon = IconOf(dialog);
    }
    return box;
}

void DialogWatcher_t::Close(HWND dialog, const Box_t& box) const {
    WPARAM button = MAKEWPARAM(IDOK, BN_CLICKED);
    if (box.kind == "open") {
        if (pick_.empty()) {
            button = MAKEWPARAM(IDCANCEL, BN_CLICKED);
        } else {
            ::SendMessageA(FileNameEdit(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(pick_.c_str()));
        }
    }
    ::PostMessageA(dialog, WM_COMMAND, button, 0);
}

void DialogWatcher_t::Watch() {
    while (!stop_) {
        {
            // A closed dialog's handle may come back for a new one.
            std::lock_guard<std::mutex> lock(mutex_);
            answered_.erase(std::remove_if(answered_.begin(), answered_.end(), [](HWND h) { return !::IsWindow(h); }),
                            answered_.end());
        }
        HWND dialog = nullptr;
        while ((dialog = ::FindWindowExA(nullptr, dialog, "#32770", nullptr)) != nullptr) {
            if (!::IsWindowVisible(dialog)) continue;
            std::lock_guard<std::mutex> lock(mutex_);
            if (std::find(answered_.begin(), answered_.end(), dialog) != answered_.end()) continue;
            // The dialog's thread waits for the answer: what is printed before it is closed keeps
            // its place among that thread's output.
            Box_t box = Read(dialog);
            if (box.kind != "open" && !boxes_too_) continue;
            if (echo_) {
                std::fprintf(echo_, "%s\n", Describe(box).c_str());
                std::fflush(echo_);
            }
            Close(dialog, box);
            boxes_.push_back(box);
            answered_.push_back(dialog);
        }
        ::Sleep(20);
    }
}

std::string Describe(const Box_t& box) {
    std::string line = box.kind + ": " + Quote(box.caption);
    if (!box.icon.empty()) line += " icon=" + box.icon;
    return line + " " + Quote(box.text);
}

}  // namespace host
