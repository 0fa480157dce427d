#include "trove/devio/DEVIO_Smbl102.h"

#include <iterator>

namespace devio {

namespace {

struct CodePair_t {
    std::int32_t first;   // handheld code
    std::int32_t second;  // database symbol
};

// Within each run the two columns rise together one by one.
constexpr CodePair_t kPairs[] = {
    {0, 0},       {1, 1},       {2, 2},       {3, 3},       {4, 4},       {5, 5},       {6, 6},
    {7, 7},       {8, 8},       {9, 9},       {10, 10},     {11, 11},     {12, 12},     {13, 13},
    {14, 14},     {15, 15},     {16, 16},     {17, 17},     {18, 18},     {19, 19},     {21, 20},
    {22, 21},     {23, 22},     {24, 23},     {25, 24},     {26, 25},     {27, 26},     {28, 27},
    {29, 28},     {30, 29},     {31, 30},     {32, 31},     {33, 32},     {34, 33},     {35, 34},
    {36, 35},     {37, 36},     {150, 37},    {151, 38},    {152, 39},    {153, 40},    {154, 41},
    {155, 42},    {156, 43},    {157, 44},    {158, 45},    {159, 46},    {160, 47},    {161, 48},
    {162, 49},    {163, 50},    {164, 51},    {165, 52},    {166, 53},    {167, 54},    {169, 55},
    {170, 56},    {171, 57},    {172, 58},    {173, 59},    {174, 60},    {175, 61},    {176, 62},
    {177, 63},    {178, 64},    {179, 65},    {8195, 66},   {8196, 67},   {8197, 68},   {8198, 69},
    {8199, 70},   {8200, 71},   {8203, 72},   {8204, 73},   {8205, 74},   {8206, 75},   {8207, 76},
    {8208, 77},   {8209, 78},   {8210, 79},   {8211, 80},   {8212, 81},   {8213, 82},   {8214, 83},
    {8215, 84},   {8216, 85},   {8217, 86},   {8218, 87},   {8219, 88},   {8220, 89},   {8221, 90},
    {8226, 91},   {8227, 92},   {8233, 93},   {8234, 94},   {8235, 95},   {8236, 96},   {8237, 97},
    {8238, 98},   {8239, 99},   {8240, 100},  {8241, 101},  {8242, 102},  {8243, 103},  {8244, 104},
    {8245, 105},  {8246, 106},  {16384, 107}, {16388, 108}, {16389, 109}, {16390, 110}, {16391, 111},
    {16392, 112}, {16393, 113}, {16394, 114}, {16395, 115}, {16402, 116}, {8255, 117},  {8256, 118},
    {8262, 119},  {8272, 120},  {8258, 121},  {8259, 122},  {8271, 123},  {8273, 124},  {8274, 125},
    {8275, 126},  {8263, 127},  {8264, 128},  {8265, 129},  {8266, 130},  {8261, 131},  {8268, 132},
    {8276, 133},  {8270, 134},  {8267, 135},  {8257, 136},  {8260, 137},  {8269, 138},  {8282, 139},
};

static_assert(std::size(kPairs) == 140, "one pair for every database symbol");

// Built while the module starts, so that the first import finds it ready.
[[maybe_unused]] const SymbolTable_t& built_at_start = SymbolTable();

}  // namespace

const SymbolTable_t& SymbolTable() {
    static const SymbolTable_t table(std::begin(kPairs), std::end(kPairs));
    return table;
}

Smbl102_t::Smbl102_t(Smbl_t code_) : code(code_) {
    if (SymbolTable().FindFirst(code) == SymbolTable().end()) throw base::OutOfRange_t("DEVIO_Smbl102", 186);
}

void Smbl102_t::SetSymbol(trove::Symbol_t symbol) {
    const auto found = SymbolTable().FindSecond(symbol);
    if (found == SymbolTable().end()) throw base::Assert_t("DEVIO_Smbl102", 210);
    code = found->first;
}

void Smbl102_t::Read(bin::istream& in) {
    std::uint16_t value = 0;
    if (!in.Read(value)) return;
    const Smbl_t read = static_cast<Smbl_t>(value);
    code = SymbolTable().FindFirst(read) != SymbolTable().end() ? read : kDefaultCode;
}

void Smbl102_t::Write(bin::ostream& out) const {
    out.Write(static_cast<std::uint16_t>(code));
}

}  // namespace devio
