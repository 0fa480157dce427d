#pragma once
// The stand-in host's add-in manager (class DesktopAddinManager). Its list of add-ins lives in the
// registry under HKEY_CURRENT_USER\Software\Trovix Stand-in Host\Addins, one numbered subkey per entry
// with the values "Clsid" and "Name", so that tests can read it. Like a real list, it may hold the same
// add-in more than once: only the add-in's own Remove keeps it unique.
#include <string>

#include "addin/ADDIN_Interfaces.h"
#include "tests/host/HOST_Object.h"

namespace host {

// The registry key of the list, under HKEY_CURRENT_USER.
constexpr const char kAddinListKey[] = "Software\\Trovix Stand-in Host\\Addins";

class AddinEntry_t : public Object_t<IDesktopAddinEntry> {
public:
    AddinEntry_t(std::shared_ptr<Recorder_t> recorder, std::string key);

    HOST_RESERVED(7)
    HOST_RESERVED(8)
    HOST_RESERVED(9)
    HOST_RESERVED(10)
    HOST_RESERVED(11)
    HOST_RESERVED(12)
    HOST_RESERVED(13)
    HOST_RESERVED(14)
    HOST_RESERVED(15)
    HOST_RESERVED(16)
    HRESULT STDMETHODCALLTYPE Remove() override;

private:
    std::string key_;  // the entry's subkey name
};

class AddinManager_t : public Object_t<IDesktopAddinManager> {
public:
    explicit AddinManager_t(std::shared_ptr<Recorder_t> recorder);

    HOST_RESERVED(7)
    HOST_RESERVED(8)
    HOST_RESERVED(9)
    HOST_RESERVED(10)
    HOST_RESERVED(11)
    HOST_RESERVED(12)
    HOST_RESERVED(13)
    HOST_RESERVED(14)
    HOST_RESERVED(15)
    HOST_RESERVED(16)
    HRESULT STDMETHODCALLTYPE AddAddin(BSTR clsid, BSTR name, IDesktopAddinEntry** entry) override;
    HOST_RESERVED(18)
    // A null entry when the add-in is not listed.
    HRESULT STDMETHODCALLTYPE FindAddin(BSTR clsid, IDesktopAddinEntry** entry) override;
};

}  // namespace host
