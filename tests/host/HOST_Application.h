#pragma once
// The stand-in host's application object, handed to the add-in's OnInitialize, and its command manager.
#include <string>
#include <vector>

#include "addin/ADDIN_Interfaces.h"
#include "tests/host/HOST_Object.h"
#include "tests/host/HOST_Records.h"

namespace host {

struct MenuItem_t {
    long command_id;
    long module;
    long resource;
    std::string text;
    long flag;
    bool bitmap_found;  // the bitmap of number `resource` loaded through the handle `module`
};

class CommandManager_t : public Object_t<IDesktopCommandManager> {
public:
    explicit CommandManager_t(std::shared_ptr<Recorder_t> recorder);

    // Runs the command registered under name (OnCommand); E_INVALIDARG when there is none.
    HRESULT Run(const std::string& name);
    // The command registered under name, or null.
    IDesktopCommand* Command(const std::string& name) const;
    // Drops the host's references to the registered commands.
    void ReleaseCommands();

    std::size_t CommandCount() const { return commands_.size(); }
    const std::vector<MenuItem_t>& MenuItems() const { return menu_items_; }

    // Registered commands are kept (with a reference) only when the answer is S_OK.
    HRESULT STDMETHODCALLTYPE RegisterCommand(LONG cookie, BSTR name, IDesktopCommand* command,
                                              LONG* command_id) override;
    HRESULT STDMETHODCALLTYPE AddMenuItem(LONG command_id, LONG module, LONG resource, BSTR text,
                                          LONG flag) override;

private:
    struct Command_t {
        long id;
        std::string name;
        addin::ComPtr_t<IDesktopCommand> command;
    };

    std::vector<Command_t> commands_;
    std::vector<MenuItem_t> menu_items_;
    long next_id_ = 1;
};

class Application_t : public Object_t<IDesktopApplication> {
public:
    explicit Application_t(std::shared_ptr<Recorder_t> recorder);

    CommandManager_t& Commands() const { return *commands_.Get(); }
    RecordStore_t& Store() const { return *store_.Get(); }

    HRESULT STDMETHODCALLTYPE GetCommandManager(IDesktopCommandManager** manager) override;
    HOST_RESERVED(8)
    HOST_RESERVED(9)
    HRESULT STDMETHODCALLTYPE GetRecordStore(IDispatch** store) override;

private:
    addin::ComPtr_t<CommandManager_t> commands_;
    addin::ComPtr_t<RecordStore_t> store_;
};

// An IDispatch that is not an application object: it answers no host interface.
class PlainDispatch_t : public Object_t<IDispatch> {
public:
    using Object_t::Object_t;
};

}  // namespace host
