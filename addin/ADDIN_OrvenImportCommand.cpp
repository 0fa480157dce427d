#include "addin/ADDIN_OrvenImportCommand.h"

#include <cstdint>
#include <ios>
#include <locale>
#include <new>
#include <sstream>
#include <stdexcept>
#include <typeinfo>

#include "addin/ADDIN_Bstr.h"
#include "addin/ADDIN_Module.h"
#include "addin/ADDIN_OpenFileDialog.h"
#include "addin/ADDIN_WaitCursor.h"
#include "addin/ADDIN_Warning.h"
#include "base/BASE_Exception.h"
#include "base/BASE_StringResource.h"
#include "err/ERR_FatalDialog.h"
#include "trove/TROVE_Database.h"
#include "win/WIN_Exception.h"
#include "win/WIN_ResourceHandle.h"

addin::ComPtr_t<COrvenImportCommand> COrvenImportCommand::Create() {
    COrvenImportCommand* command = new (std::nothrow) COrvenImportCommand;
    if (!command) addin::RaiseComError(E_OUTOFMEMORY, nullptr, IID_IDesktopCommand);
    return addin::ComPtr_t<COrvenImportCommand>(command);
}

COrvenImportCommand::COrvenImportCommand() = default;

COrvenImportCommand::~COrvenImportCommand() {
    m_spHost.Reset();
}

// The import and its exception net. Every failure below ends here: a host call's COM error as a
// warning box, anything else in the fatal-error dialog and the error log.
HRESULT COrvenImportCommand::OnCommand() {
    try {
        try {
            Import();
        } catch (const _com_error& e) {
            addin::Warn(addin::BstrToAnsi(e.Description().GetBSTR()), "OrvenImportCommand", 113);
        } catch (const base::Exception_t& e) {
            err::FatalDialog_t report(e);
        } catch (const win::StructuredException_t& e) {
            err::FatalDialog_t report("OrvenImportCommand", 123, e);
        } catch (const std::length_error& e) {
            err::FatalDialog_t report("OrvenImportCommand", 128, e);
        } catch (const std::domain_error& e) {
            err::FatalDialog_t report("OrvenImportCommand", 132, e);
        } catch (const std::out_of_range& e) {
            err::FatalDialog_t report("OrvenImportCommand", 136, e);
        } catch (const std::invalid_argument& e) {
            err::FatalDialog_t report("OrvenImportCommand", 140, e);
        } catch (const std::ios_base::failure& e) {
            err::FatalDialog_t report("OrvenImportCommand", 145, e);
        } catch (const std::range_error& e) {
            err::FatalDialog_t report("OrvenImportCommand", 149, e);
        } catch (const std::overflow_error& e) {
            err::FatalDialog_t report("OrvenImportCommand", 153, e);
        } catch (const std::underflow_error& e) {
            err::FatalDialog_t report("OrvenImportCommand", 157, e);
        } catch (const std::bad_alloc& e) {
            err::FatalDialog_t report("OrvenImportCommand", 162, e);
        } catch (const std::bad_cast& e) {
            err::FatalDialog_t report("OrvenImportCommand", 166, e);
        } catch (const std::bad_exception& e) {
            err::FatalDialog_t report("OrvenImportCommand", 170, e);
        } catch (const std::bad_typeid& e) {
            err::FatalDialog_t report("OrvenImportCommand", 174, e);
        } catch (const std::logic_error& e) {
            err::FatalDialog_t report("OrvenImportCommand", 178, e);
        } catch (const std::runtime_error& e) {
            err::FatalDialog_t report("OrvenImportCommand", 182, e);
        } catch (const std::exception& e) {
            err::FatalDialog_t report("OrvenImportCommand", 186, e);
        } catch (...) {
            err::FatalDialog_t report(base::Exception_t("OrvenImportCommand", 190));
        }
    } catch (...) {
        // The report itself failed (a missing text, no memory): the host must still get S_OK.
        addin::ShowWarning(addin::DescribeCurrentException(), TROVIX_SOURCE, __LINE__);
    }
    return S_OK;
}

void COrvenImportCommand::Import() {
    const std::string title = DialogTitle();
    addin::OpenFileDialog_t dialog(title, "Terrabook Files (*.tbk)|*.tbk||", "tbk",
                                   OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST);
    if (!dialog.Run()) return;
    const std::string path = dialog.Path();

    trove::Database_t database(trove::Name_t(std::string()), 3);
    addin::WaitCursor_t wait;
    if (!ReadFile(path, database)) return;

    std::int32_t count = 0;
    for (const auto& entry : database.waypoints) {
        if (entry.first.id_class != 0) continue;
        Convert(entry.first, entry.second);
        ++count;
    }

    std::ostringstream message;
    message.imbue(std::locale::classic());
    message << count;
    message << (count == 1 ? base::StringResource_t(103, "OrvenImportCommand", 97).text
                           : base::StringResource_t(104, "OrvenImportCommand", 102).text);
    const base::StringResource_t caption(105, "OrvenImportCommand", 105);
    ::MessageBoxA(nullptr, message.str().c_str(), caption.text.c_str(), MB_OK);
}

// The dialog's title, string 101, looked up the way the framework finds its strings: a module that
// does not hold it is an internal fault, not a user's.
std::string COrvenImportCommand::DialogTitle() {
    char text[1024];
    const int length = ::LoadStringA(win::LanguageModule(), 101, text, sizeof text);
    if (length <= 0) throw base::Assert_t("OrvenImportCommand", 66);
    return std::string(text, static_cast<std::size_t>(length));
}
