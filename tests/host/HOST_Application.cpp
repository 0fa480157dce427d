#include "tests/host/HOST_Application.h"

#include "addin/ADDIN_Bstr.h"

namespace host {

CommandManager_t::CommandManager_t(std::shared_ptr<Recorder_t> recorder) : Object_t(std::move(recorder)) {}

HRESULT CommandManager_t::RegisterCommand(LONG cookie, BSTR name, IDesktopCommand* command,
                                          LONG* command_id) {
    HRESULT hr = Record("RegisterCommand", {Decimal(cookie), Quote(name), command ? "command" : "null"});
    if (hr != S_OK) return hr;
    if (!command || !command_id) return E_POINTER;
    commands_.push_back(Command_t{next_id_, addin::BstrToAnsi(name), command});
    *command_id = next_id_++;
    return hr;
}

HRESULT CommandManager_t::AddMenuItem(LONG command_id, LONG module, LONG resource, BSTR text, LONG flag) {
    HRESULT hr = Record("AddMenuItem", {Decimal(command_id), Hex(static_cast<unsigned long>(module)),
                                        Decimal(resource), Quote(text), Decimal(flag)});
    if (FAILED(hr)) return hr;
    // As the real host does, the menu's bitmap is loaded through the module handle it was given:
    // a handle that lost bits on its way through the 32-bit long names no module.
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(module));
    HBITMAP bitmap = ::LoadBitmapA(instance, MAKEINTRESOURCEA(resource));
    Recorder()->Note(std::string("host: menu bitmap ") + (bitmap ? "loaded" : "not found"));
    if (bitmap) ::DeleteObject(bitmap);
    menu_items_.push_back(MenuItem_t{command_id, module, resource, addin::BstrToAnsi(text), flag, bitmap != nullptr});
    return hr;
}

HRESULT CommandManager_t::Run(const std::string& name) {
    IDesktopCommand* command = Command(name);
    if (!command) return E_INVALIDARG;
    HRESULT hr = command->OnCommand();
    Recorder()->Note("OnCommand -> " + Hex(static_cast<unsigned long>(hr)));
    return hr;
}

IDesktopCommand* CommandManager_t::Command(const std::string& name) const {
    for (const Command_t& command : commands_) {
        if (command.name == name) return command.command.Get();
    }
    return nullptr;
}

void CommandManager_t::ReleaseCommands() {
    commands_.clear();
}

Application_t::Application_t(std::shared_ptr<Recorder_t> recorder)
    : Object_t(recorder),
      commands_(Make<CommandManager_t>(recorder)),
      store_(Make<RecordStore_t>(recorder)) {}

HRESULT Application_t::GetCommandManager(IDesktopCommandManager** manager) {
    HRESULT hr = Record("GetCommandManager", {});
    if (FAILED(hr)) return hr;
    if (!manager) return E_POINTER;
    *manager = commands_.Get();
    (*manager)->AddRef();
    return hr;
}

HRESULT Application_t::GetRecordStore(IDispatch** store) {
    HRESULT hr = Record("GetRecordStore", {});
    if (FAILED(hr)) return hr;
    if (!store) return E_POINTER;
    *store = static_cast<IDesktopRecordStore*>(store_.Get());
    (*store)->AddRef();
    return hr;
}

}  // namespace host
