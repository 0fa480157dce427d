#pragma once
// The module's creatable classes: exactly one, COrvenAddin. The import command has no entry.
#include "addin/ADDIN_Module.h"

namespace addin {

// The table, ended by an entry with a null CLSID.
ClassEntry_t* ClassTable();

}  // namespace addin
