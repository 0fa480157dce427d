#include "addin/ADDIN_OrvenImportCommand.h"

#include <new>

#include "addin/ADDIN_Module.h"
#include "addin/ADDIN_TypeInfo.h"

namespace {

addin::TypeInfo_t& CommandTypeInfo() {
    static addin::TypeInfo_t info(LIBID_OrvenAddinLib, 1, 0, IID_IDesktopCommand);
    return info;
}

}  // namespace

addin::ComPtr_t<COrvenImportCommand> COrvenImportCommand::Create() {
    COrvenImportCommand* command = new (std::nothrow) COrvenImportCommand;
    if (!command) addin::RaiseComError(E_OUTOFMEMORY, nullptr, IID_IDesktopCommand);
    return addin::ComPtr_t<COrvenImportCommand>(command);
}

COrvenImportCommand::COrvenImportCommand() {
    addin::TheModule().Lock();
}

COrvenImportCommand::~COrvenImportCommand() {
    m_spHost.Reset();
    addin::TheModule().Unlock();
}

HRESULT COrvenImportCommand::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (::IsEqualIID(iid, IID_IDesktopCommand) || ::IsEqualIID(iid, IID_IDispatch) ||
        ::IsEqualIID(iid, IID_IUnknown)) {
        *out = static_cast<IDesktopCommand*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG COrvenImportCommand::AddRef() {
    return ++refs_;
}

ULONG COrvenImportCommand::Release() {
    ULONG refs = --refs_;
    if (refs == 0) delete this;
    return refs;
}

HRESULT COrvenImportCommand::GetTypeInfoCount(UINT* count) {
    return CommandTypeInfo().GetTypeInfoCount(count);
}

HRESULT COrvenImportCommand::GetTypeInfo(UINT index, LCID lcid, ITypeInfo** out) {
    return CommandTypeInfo().GetTypeInfo(index, lcid, out);
}

HRESULT COrvenImportCommand::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) {
    return CommandTypeInfo().GetIDsOfNames(iid, names, count, lcid, ids);
}

HRESULT COrvenImportCommand::Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                                    VARIANT* result, EXCEPINFO* exception, UINT* bad_argument) {
    return CommandTypeInfo().Invoke(this, id, iid, lcid, flags, params, result, exception, bad_argument);
}

// The import itself (file dialog, reading, conversion into host records, the count message and the
// exception net around all of it) is not built yet; until then picking the menu entry does nothing.
HRESULT COrvenImportCommand::OnCommand() {
    return S_OK;
}
