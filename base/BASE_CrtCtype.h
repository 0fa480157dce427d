#pragma once
// Windows build only: the classes and case mapping of the C run-time's current locale,
// taken as tables (mingw's libstdc++ cannot build a named std::locale itself).
#include "base/BASE_TableCtype.h"

namespace base {

CtypeTables_t CrtCtypeTables();

}  // namespace base
