// libFuzzer target: any bytes as a data file, loaded as the tool loads it (with its notes), under
// the code page the target was built for (TROVIX_FUZZ_CODE_PAGE: 1252, or 932 for the double-byte
// paths). The system's own exceptions are the expected outcome of bad input; anything else
// escaping, a crash, a sanitizer report, a hang or runaway memory is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/BASE_CodePage.h"
#include "base/BASE_Exception.h"
#include "trove/TROVE_Database.h"
#include "trove/TROVE_Load.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (!base::SelectCodePage(TROVIX_FUZZ_CODE_PAGE)) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    trove::Database_t db{trove::Name_t(), 3};
    trove::LoadNotes_t notes;
    try {
        trove::LoadBytes(std::string_view(reinterpret_cast<const char*>(data), size), db, trove::TheDocInfo(),
                         &notes);
        for (const trove::LoadNote_t& note : notes) trove::DescribeNote(note);
    } catch (const base::Exception_t&) {
        // A clear error for bad input: what the loader promises.
    }
    return 0;
}
