#include "addin/ADDIN_HostRegistration.h"

#include "addin/ADDIN_Bstr.h"
#include "addin/ADDIN_ComError.h"
#include "addin/ADDIN_ComPtr.h"
#include "addin/ADDIN_Identifiers.h"
#include "addin/ADDIN_Interfaces.h"

namespace addin {

namespace {

// In-process server, in-process handler, local server and remote server.
constexpr DWORD kManagerContext =
    CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER;

// The host's manager, or an empty pointer when the host cannot give one.
ComPtr_t<IDesktopAddinManager> CreateManager() {
    ComPtr_t<IDesktopAddinManager> manager;
    HRESULT hr = ::CoCreateInstance(CLSID_DesktopAddinManager, nullptr, kManagerContext,
                                    IID_IDesktopAddinManager, reinterpret_cast<void**>(manager.Put()));
    if (hr != S_OK) manager.Reset();
    return manager;
}

// Removes the manager's entry for the add-in when it has one.
void RemoveEntry(const ComPtr_t<IDesktopAddinManager>& manager, const Bstr_t& clsid) {
    ComPtr_t<IDesktopAddinEntry> entry;
    Check(manager->FindAddin(clsid.Get(), entry.Put()), manager.Get(), IID_IDesktopAddinManager);
    if (entry) Check(entry->Remove(), entry.Get(), IID_IDesktopAddinEntry);
}

}  // namespace

HRESULT AnnounceToHost() noexcept {
    try {
        ComPtr_t<IDesktopAddinManager> manager = CreateManager();
        if (!manager) return S_OK;
        Bstr_t clsid = AnsiToBstr(kAddinClsid);
        RemoveEntry(manager, clsid);
        ComPtr_t<IDesktopAddinEntry> added;
        return Check(manager->AddAddin(clsid.Get(), AnsiToBstr(kDisplayName).Get(), added.Put()),
                     manager.Get(), IID_IDesktopAddinManager);
    } catch (const _com_error& e) {
        return e.Error();
    } catch (...) {
        return E_UNEXPECTED;
    }
}

HRESULT WithdrawFromHost() noexcept {
    try {
        ComPtr_t<IDesktopAddinManager> manager = CreateManager();
        if (!manager) return S_OK;
        RemoveEntry(manager, AnsiToBstr(kAddinClsid));
        return S_OK;
    } catch (const _com_error& e) {
        return e.Error();
    } catch (...) {
        return E_UNEXPECTED;
    }
}

}  // namespace addin
