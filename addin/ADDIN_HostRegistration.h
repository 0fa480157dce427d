#pragma once
// Announcing the add-in to the host's add-in manager, and withdrawing it. Both are silent: when the
// host is not installed nothing happens, and a failing host call ends the step without any report
// beyond the returned HRESULT, which the registration entry points ignore.
#include <windows.h>

namespace addin {

// Replaces the host's entry for the add-in (if any) by a new one named "Trovix Addin".
HRESULT AnnounceToHost() noexcept;

// Removes the host's entry for the add-in, if there is one.
HRESULT WithdrawFromHost() noexcept;

}  // namespace addin
