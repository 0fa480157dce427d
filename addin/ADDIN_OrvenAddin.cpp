#include "addin/ADDIN_OrvenAddin.h"

#include <new>

#include "addin/ADDIN_Bstr.h"
#include "addin/ADDIN_ComError.h"
#include "addin/ADDIN_Module.h"
#include "addin/ADDIN_OrvenImportCommand.h"
#include "addin/ADDIN_Warning.h"
#include "base/BASE_Exception.h"
#include "base/BASE_StringResource.h"
#include "win/WIN_ResourceHandle.h"

namespace {

// The caption of every warning box.
std::string WarningCaption() {
    return base::StringResource_t(105, "OrvenAddin", 85).text;
}

}  // namespace

HRESULT COrvenAddin::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
    COrvenAddin* addin = new (std::nothrow) COrvenAddin(outer);
    if (!addin) return E_OUTOFMEMORY;
    // From here on the reference count owns the object: a failing query deletes it again.
    Inner_t& inner = addin->inner_;
    inner.AddRef();
    HRESULT hr = inner.QueryInterface(iid, out);
    inner.Release();
    return hr;
}

COrvenAddin::COrvenAddin(IUnknown* outer) : inner_(*this), outer_(outer ? outer : &inner_) {}

COrvenAddin::~COrvenAddin() {
    m_spHost.Reset();
}

HRESULT COrvenAddin::Inner_t::QueryInterface(REFIID iid, void** out) {
    return owner_.QueryOwn(iid, out, this);
}

ULONG COrvenAddin::Inner_t::AddRef() {
    return owner_.AddOwnRef();
}

ULONG COrvenAddin::Inner_t::Release() {
    return owner_.ReleaseOwn();
}

HRESULT COrvenAddin::QueryInterface(REFIID iid, void** out) {
    return outer_->QueryInterface(iid, out);
}

ULONG COrvenAddin::AddRef() {
    return outer_->AddRef();
}

ULONG COrvenAddin::Release() {
    return outer_->Release();
}

HRESULT COrvenAddin::OnInitialize(IDispatch* pUnk, LONG dwCookie, LONG, LONG, LONG* pbSuccess) {
    m_dwCookie = dwCookie;
    m_spHost = pUnk;
    LONG success = 0;
    // Nothing may leave this method as an exception: the host is not prepared for it.
    try {
        try {
            // Held from its creation, so that a failure on any way out releases it.
            addin::ComPtr_t<COrvenImportCommand> command = COrvenImportCommand::Create();
            command.Get()->SetHost(m_spHost.Get());
            std::string text = base::StringResource_t(113, "OrvenAddin", 64).text;
            text += '\t';
            text += base::StringResource_t(114, "OrvenAddin", 66).text;
            text += '\t';
            text += base::StringResource_t(113, "OrvenAddin", 68).text;
            HINSTANCE language = win::LanguageModule();
            RegisterCommand(command.Get(), language, "OrvenImportCommand", text, 201, 1);
            success = 1;
        } catch (const _com_error& e) {
            std::string caption = WarningCaption();
            ::MessageBoxA(nullptr, e.ErrorMessage(), caption.c_str(), MB_ICONWARNING);
        }
    } catch (...) {
        addin::ShowWarning(addin::DescribeCurrentException(), "OrvenAddin", 85);
    }
    if (pbSuccess) *pbSuccess = success;
    return S_OK;
}

HRESULT COrvenAddin::RegisterCommand(COrvenImportCommand* command, HINSTANCE module, const std::string& name,
                                     const std::string& text, LONG resource, LONG flag) {
    auto application = addin::ComPtr_t<IDesktopApplication>::Query(m_spHost.Get());
    addin::ComPtr_t<IDesktopCommandManager> manager;
    addin::Check(application->GetCommandManager(manager.Put()), application.Get(), IID_IDesktopApplication);
    addin::ComPtr_t<IDesktopCommand> held(command);
    LONG command_id = 0;
    HRESULT hr = addin::Check(
        manager->RegisterCommand(m_dwCookie, addin::AnsiToBstr(name).Get(), held.Get(), &command_id),
        manager.Get(), IID_IDesktopCommandManager);
    if (hr != S_OK) return hr;
    // The host takes the module handle as a 32-bit long. A 32-bit handle always fits; a 64-bit
    // language module is linked to load below 2 GiB, and a handle above that would name nothing.
    const INT_PTR handle = reinterpret_cast<INT_PTR>(module);
    BASE_ASSERT(handle == static_cast<LONG>(handle));
    return addin::Check(manager->AddMenuItem(command_id, static_cast<LONG>(handle), resource,
                                             addin::AnsiToBstr(text).Get(), flag),
                        manager.Get(), IID_IDesktopCommandManager);
}

HRESULT COrvenAddin::OnUninitialize() {
    m_dwCookie = 0;
    return S_OK;
}

HRESULT COrvenAddin::GetFrameworkVersion(LONG* plVersion) {
    if (!plVersion) return E_POINTER;
    *plVersion = 2;
    return S_OK;
}

HRESULT COrvenAddin::ShowAboutBox(LONG hWndParent) {
    ::MessageBoxA(reinterpret_cast<HWND>(static_cast<INT_PTR>(hWndParent)), "Trovix Addin AboutBox", "Trovix",
                  MB_OK);
    return S_OK;
}

HRESULT COrvenAddin::ShowProperties(LONG hWndParent) {
    ::MessageBoxA(reinterpret_cast<HWND>(static_cast<INT_PTR>(hWndParent)), "Trovix Addin Properties Dialog",
                  "Trovix", MB_OK);
    return S_OK;
}
