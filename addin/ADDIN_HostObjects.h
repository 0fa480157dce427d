#pragma once
// The host objects the conversion needs, obtained once per process on the first conversion and
// kept until the module goes: the host object, its application, record store and category list,
// and the category every new record is filed under (the list's entry 0).
#include <windows.h>

#include "addin/ADDIN_Bstr.h"
#include "addin/ADDIN_ComPtr.h"
#include "addin/ADDIN_Interfaces.h"

namespace addin {

class HostObjects_t {
public:
    HostObjects_t() = default;
    // The module may be unloaded after the host has gone, and a module's detach is no place to
    // call into other modules: the references are left to the process's end, not released here.
    ~HostObjects_t();
    HostObjects_t(const HostObjects_t&) = delete;
    HostObjects_t& operator=(const HostObjects_t&) = delete;

    // Runs each step of the setup that has not yet completed. A step that raises runs again on the
    // next call; the ones before it stay done. The host object is the first one given, held by a
    // counted reference: a later command may run the retry after the first command has gone.
    void Setup(IDispatch* host);

    IDesktopRecordStore* RecordStore() const { return store_.Get(); }
    BSTR Category() const { return category_.Get(); }

private:
    bool have_host_ = false;
    bool have_application_ = false;
    bool have_store_ = false;
    bool have_list_ = false;
    bool have_category_ = false;
    ComPtr_t<IDispatch> host_;
    ComPtr_t<IDesktopApplication> application_;
    ComPtr_t<IDesktopRecordStore> store_;
    ComPtr_t<IDesktopCategoryList> list_;
    Bstr_t category_;
};

// The process's one instance.
HostObjects_t& TheHostObjects();

}  // namespace addin
