#pragma once
// The module's names and identifiers as texts (the GUIDs themselves come from the interface header).

namespace addin {

constexpr const char kAddinClsid[] = "{6E1F0C52-3A7D-4B19-9C2E-5D8A41B7F306}";
constexpr const char kLibid[] = "{A4C3E9B1-27D5-4F60-8E1A-93B0C6D2F745}";
constexpr const char kProgId[] = "Trovix.OrvenAddin.1";
constexpr const char kVersionIndependentProgId[] = "Trovix.OrvenAddin";
constexpr const char kClassName[] = "Trovix Addin Class";
// The name under which the host's add-in manager lists the add-in.
constexpr const char kDisplayName[] = "Trovix Addin";

}  // namespace addin
