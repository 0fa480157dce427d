#include "base/BASE_ApplicationInfo.h"

namespace base {

ApplicationInfo_t::ApplicationInfo_t()
    : name("Trovix"),
      major(2),
      minor(2),
      build(1),
      revision(0),
      build_date(__DATE__),
      build_time(__TIME__),
      build_label("SQA") {}

const ApplicationInfo_t& TheApplicationInfo() {
    static const ApplicationInfo_t info;
    return info;
}

}  // namespace base
