#include "trove/TROVE_DocInfo.h"

#include "trove/TROVE_Exception.h"
#include "trove/bin/BIN_Record.h"

namespace trove {

DocInfo_t::DocInfo_t(std::uint16_t application_number) : a_number(application_number) {}

void DocInfo_t::ReadHeader(bin::istream& file) {
    if (file.fail()) throw BadStream_t("TROVE_DocInfo", 37);

    if (!file.Read(signature)) throw BadStream_t("TROVE_DocInfo", 43);
    if (signature != kDocSignature) {
        signature = 0;
        format_version = 0;
        data_version = 0;
        a_number = 0;
        return;
    }

    if (!file.Read(format_version)) throw BadStream_t("TROVE_DocInfo", 52);

    bin::record_t d(0);
    bin::ExtractRecord(file, d);
    if (file.fail() || d.type != 'D') throw BadStream_t("TROVE_DocInfo", 61);
    if (!d.Read(data_version)) throw BadStream_t("TROVE_DocInfo", 67);

    bin::record_t a(0);
    bin::ExtractRecord(file, a);
    if (file.fail() || a.type != 'A') throw BadStream_t("TROVE_DocInfo", 74);
    a.Read(a_number).ReadText(a_text_1).ReadText(a_text_2).ReadText(a_text_3);
    if (a.fail()) throw BadStream_t("TROVE_DocInfo", 80);
}

DocInfo_t& TheDocInfo() {
    static DocInfo_t info(0);
    return info;
}

}  // namespace trove
