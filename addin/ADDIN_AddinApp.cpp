#include "addin/ADDIN_AddinApp.h"

#include <clocale>

#include "addin/ADDIN_ClassTable.h"
#include "addin/ADDIN_Interfaces.h"
#include "addin/ADDIN_Module.h"
#include "base/BASE_Exception.h"
#include "base/BASE_Locale.h"
#include "win/WIN_Exception.h"
#include "win/WIN_ResourceHandle.h"

namespace {

// The C run-time's locale follows the system's default locale, so that multibyte text is measured in
// the system's code page. A locale that cannot be determined leaves the run-time's default.
void SetRunTimeLocale() {
    try {
        std::setlocale(LC_ALL, base::SystemLocaleKey().Name().c_str());
    } catch (const base::Exception_t&) {
    }
}

}  // namespace

BOOL CAddinApp::InitInstance() {
    addin::TheModule().Init(addin::ClassTable(), m_hInstance, LIBID_OrvenAddinLib);
    try {
        win::LanguageModule();
    } catch (const base::Exception_t&) {
        // win::Error_t for a module that is missing, of another version or not loadable; the version
        // reader's other failures (a version resource without its fixed part) end the same way.
        ::MessageBoxA(nullptr, "Incorrect or missing language dll file. Please reinstall Trovix_LANG.dll.",
                      "Trovix", MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    SetRunTimeLocale();
    return TRUE;
}

int CAddinApp::ExitInstance() {
    addin::TheModule().Term();
    return 0;
}
