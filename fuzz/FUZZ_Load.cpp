// libFuzzer target: any bytes as a data file, loaded as the tool loads it (with its notes), under
// the code page the target was built for (TROVIX_FUZZ_CODE_PAGE: 1252, or 932 for the double-byte
// paths). The system's own exceptions are the expected outcome of bad input; anything else
// escaping, a crash, a sanitizer report, a hang or runaway memory is a finding.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "base/BASE_CodePage.h"
#include "base/BASE_Exception.h"
#include "trove/TROVE_Database.h"
#include "trove/TROVE_Load.h"

namespace {

// The loader reads from a path, so each input goes through one file per process.
const std::string& InputPath() {
    static const std::string path = [] {
        const char* dir = std::getenv("TMPDIR");
        return std::string(dir && *dir ? dir : "/tmp") + "/trovix-fuzz-" + std::to_string(getpid()) + ".tbk";
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (!base::SelectCodePage(TROVIX_FUZZ_CODE_PAGE)) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        std::ofstream out(InputPath(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    trove::Database_t db{trove::Name_t(), 3};
    trove::LoadNotes_t notes;
    try {
        trove::LoadFile(InputPath(), db, trove::TheDocInfo(), &notes);
        for (const trove::LoadNote_t& note : notes) trove::DescribeNote(note);
    } catch (const base::Exception_t&) {
        // A clear error for bad input: what the loader promises.
    }
    return 0;
}
