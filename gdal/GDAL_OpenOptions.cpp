#include "gdal/GDAL_OpenOptions.h"

#include "base/BASE_CodePageNames.h"
#include "gdal/GDAL_OpenError.h"

namespace gdal {

std::string OpenOptionList() {
    std::string values = "<Value>auto</Value>";
    for (std::size_t i = 0; i < base::kCodePageNameCount; ++i) {
        const base::CodePageName_t& page = base::kCodePageNames[i];
        values += "<Value>" + std::to_string(page.code_page) + "</Value><Value>" + page.name + "</Value>";
    }
    return "<OpenOptionList>"
           "<Option name='PARTIAL' type='boolean' default='NO' description='Open a damaged file with what "
           "was read before the fault; each thing dropped is reported as a warning'/>"
           "<Option name='CODEPAGE' type='string-select' default='1252' description='Code page of the "
           "file&apos;s texts: a number, a name, or auto to choose one from the texts'>" +
           values +
           "</Option>"
           "</OpenOptionList>";
}

OpenOptions_t ReadOpenOptions(CSLConstList options) {
    OpenOptions_t result;
    result.partial = CPLFetchBool(options, "PARTIAL", false);
    if (const char* value = CSLFetchNameValue(options, "CODEPAGE")) {
        const std::string text = value;
        const unsigned number = base::CodePageFromText(text);
        if (number == 0 && text != "auto") {
            std::string known;
            for (std::size_t i = 0; i < base::kCodePageNameCount; ++i)
                known += ", " + base::DescribeCodePage(base::kCodePageNames[i].code_page);
            throw OpenError_t(TROVIX_SOURCE, __LINE__, "unknown code page " + text + " (auto" + known + ")");
        }
        result.code_page = number == 0 ? result.code_page : number;
        result.code_page_given = true;
        result.code_page_auto = number == 0;
    }
    return result;
}

}  // namespace gdal
