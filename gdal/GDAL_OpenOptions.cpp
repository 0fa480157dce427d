#include "gdal/GDAL_OpenOptions.h"

#include <string>

#include "base/BASE_CodePageUnicode.h"
#include "gdal/GDAL_OpenError.h"

namespace gdal {

const char kOpenOptionList[] =
    "<OpenOptionList>"
    "  <Option name='PARTIAL' type='boolean' default='NO' description='Open a damaged file with what "
    "was read before the fault; each thing dropped is reported as a warning'/>"
    "  <Option name='CODEPAGE' type='string-select' default='1252' description='Code page of the "
    "file&apos;s texts'>"
    "    <Value>1252</Value><Value>874</Value><Value>1250</Value><Value>1251</Value>"
    "<Value>1253</Value><Value>1254</Value><Value>1255</Value><Value>1256</Value>"
    "<Value>1257</Value><Value>1258</Value><Value>932</Value><Value>936</Value>"
    "<Value>949</Value><Value>950</Value>"
    "  </Option>"
    "</OpenOptionList>";

OpenOptions_t ReadOpenOptions(CSLConstList options) {
    OpenOptions_t result;
    result.partial = CPLFetchBool(options, "PARTIAL", false);
    if (const char* value = CSLFetchNameValue(options, "CODEPAGE")) {
        const std::string text = value;
        const bool digits =
            !text.empty() && text.size() < 6 && text.find_first_not_of("0123456789") == std::string::npos;
        const unsigned number = digits ? static_cast<unsigned>(std::stoul(text)) : 0;
        if (!base::HasUnicodeTable(number)) {
            throw OpenError_t(TROVIX_SOURCE, __LINE__,
                              "unknown code page " + text +
                                  " (874, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258, 932, "
                                  "936, 949 or 950)");
        }
        result.code_page = number;
    }
    return result;
}

}  // namespace gdal
