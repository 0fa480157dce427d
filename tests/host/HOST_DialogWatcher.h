#pragma once
// Answers the dialogs that show up while it exists, from a thread of its own, as a person would:
// message boxes and the error dialog are read and closed with OK; the open-file dialog gets the
// path to pick (or is cancelled when there is none). Used by the stand-in host and the tests.
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace host {

struct Box_t {
    std::string kind;     // "box" (a message box), "error" (the error dialog) or "open" (file dialog)
    std::string caption;  // the window's title
    std::string text;     // a box's text; the error dialog's introduction, "\n", its report
    std::string icon;     // a box's icon: "warning", "information", "error", "question" or "none"
};

class DialogWatcher_t {
public:
    // pick: the path the open-file dialog answers with; empty cancels it. boxes: whether message
    // boxes and the error dialog are answered too (else they wait for a person). echo: where each
    // dialog is printed (one line) before it is closed; null prints nothing.
    explicit DialogWatcher_t(std::string pick = std::string(), bool boxes = true, std::FILE* echo = nullptr);
    ~DialogWatcher_t();
    DialogWatcher_t(const DialogWatcher_t&) = delete;
    DialogWatcher_t& operator=(const DialogWatcher_t&) = delete;

    // The dialogs answered so far, in order.
    std::vector<Box_t> Boxes();
    // Waits until count dialogs were answered, at most timeout_ms.
    bool WaitFor(std::size_t count, DWORD timeout_ms = 20000);

private:
    void Watch();
    Box_t Read(HWND dialog) const;
    void Close(HWND dialog, const Box_t& box) const;

    std::string pick_;
    bool boxes_too_;
    std::FILE* echo_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<Box_t> boxes_;
    std::vector<HWND> answered_;
    std::thread thread_;
};

// One line for a dialog: kind, caption, icon and text, the texts quoted and escaped.
std::string Describe(const Box_t& box);

}  // namespace host
