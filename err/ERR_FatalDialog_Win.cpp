#include "base/BASE_StringResource.h"
#include "err/ERR_ErrDlg.h"
#include "err/ERR_FatalDialog.h"
#include "err/ERR_LogStream.h"
#include "err/ERR_Report.h"

namespace err {

FatalDialog_t::FatalDialog_t(const base::Exception_t& failure) {
    Report(failure.File(), failure.Line(), failure.what());
}

FatalDialog_t::FatalDialog_t(const char* file, int line, const std::exception& failure) {
    Report(file, line, failure.what());
}

void FatalDialog_t::Report(const char* file, int line, const std::string& text) {
    const base::ApplicationInfo_t& app = base::TheApplicationInfo();
    BasicLogStream_t<char> log(app.name);
    const std::string report = ReportText(file, line, text, CurrentUtcTime(), SystemDescription(), app);
    // Flushed at once, so that the introduction never claims a report that did not reach the file.
    if (log.good()) log << report << std::flush;
    const std::string introduction = IntroductionText(!log.fail(), app);
    log.close();
    ErrDlg_t dialog(introduction, report, log.Path());
    dialog.DoModal();
}

std::string IntroductionText(bool logged, const base::ApplicationInfo_t& app) {
    if (!logged) return base::StringResource_t(5603, TROVIX_SOURCE, __LINE__).text;
    if (app.build_label == kReleaseLabel) return base::StringResource_t(5602, TROVIX_SOURCE, __LINE__).text;
    return base::StringResource_t(5608, TROVIX_SOURCE, __LINE__).Format({app.name}, TROVIX_SOURCE, __LINE__);
}

}  // namespace err
