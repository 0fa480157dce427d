#pragma once
// COrvenImportCommand: the import command the add-in registers with the host. The host calls
// IDesktopCommand::OnCommand when the user picks its menu entry. It has no class object: only the
// add-in creates it, and it cannot be aggregated.
#include <windows.h>

#include <string>

#include "addin/ADDIN_ComObject.h"
#include "addin/ADDIN_ComPtr.h"
#include "addin/ADDIN_Interfaces.h"

namespace trove {
class Database_t;
class WaypointId_t;
class Waypoint_t;
}  // namespace trove

class COrvenImportCommand : public addin::ComObject_t<IDesktopCommand, IID_IDesktopCommand> {
public:
    // A new command with a reference held by the result; it locks the module while it lives.
    static addin::ComPtr_t<COrvenImportCommand> Create();

    // The host's application object, from which the import reaches the host's record store.
    void SetHost(IDispatch* host) { m_spHost = host; }
    IDispatch* Host() const { return m_spHost.Get(); }

    // IDesktopCommand: asks for a data file, reads it and adds a handheld record for every waypoint of
    // class 0, then shows how many were transferred. Always S_OK: every failure ends in a warning box
    // or the fatal-error dialog.
    HRESULT STDMETHODCALLTYPE OnCommand() override;

    // Reads the file at path into database. False after a warning box told the user why it could
    // not; failures other than a bad file structure are raised.
    bool ReadFile(std::string path, trove::Database_t& database);

    // Adds one new host record for the waypoint. A failed host call raises a COM error; the record
    // keeps what was set before it.
    void Convert(const trove::WaypointId_t& key, const trove::Waypoint_t& waypoint);

private:
    COrvenImportCommand();
    // The import inside OnCommand's exception net.
    void Import();
    static std::string DialogTitle();
    ~COrvenImportCommand() override;

    addin::ComPtr_t<IDispatch> m_spHost;
};
