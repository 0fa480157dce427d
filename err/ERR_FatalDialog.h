#pragma once
// The report of an unexpected failure: appended to the error log and shown in the error dialog.
#include <exception>
#include <string>

#include "base/BASE_ApplicationInfo.h"
#include "base/BASE_Exception.h"

namespace err {

class FatalDialogIntf_t {
public:
    virtual ~FatalDialogIntf_t() = default;
    virtual void Report(const char* file, int line, const std::string& text) = 0;
};

// Reports at construction and returns once the user has closed the dialog.
//
// A log that cannot be written raises nothing: the dialog then says so (string 5603). The
// reporting itself may still raise, before the dialog opens: win::Error_t for a missing string
// (5602, 5603, 5608) or a language module that cannot be loaded, or for a time the system cannot
// format; base::Assert_t for a bad placeholder in string 5608. Callers that must not let anything
// escape (the import command's net) catch these themselves.
class FatalDialog_t : public FatalDialogIntf_t {
public:
    // Reports the exception's own file, line and text.
    explicit FatalDialog_t(const base::Exception_t& failure);
    // Reports the given place with the exception's text.
    FatalDialog_t(const char* file, int line, const std::exception& failure);

    // Writes the report to the log, then shows it modally.
    void Report(const char* file, int line, const std::string& text) override;
};

// The dialog's introduction: string 5603 when the report could not be logged, else string 5602 for
// a release build, else string 5608 with "%0" replaced by the application name.
std::string IntroductionText(bool logged, const base::ApplicationInfo_t& app = base::TheApplicationInfo());

}  // namespace err
