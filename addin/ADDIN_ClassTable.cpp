#include "addin/ADDIN_ClassTable.h"

#include "addin/ADDIN_OrvenAddin.h"

namespace addin {

ClassEntry_t* ClassTable() {
    static ClassEntry_t table[] = {
        {&CLSID_OrvenAddin, &COrvenAddin::CreateInstance, nullptr},
        {nullptr, nullptr, nullptr},
    };
    return table;
}

}  // namespace addin
