#pragma once
// The handheld's symbol code of a waypoint, converted from a database symbol through one fixed
// two-way table (SymbolTable()).
#include <cstdint>

#include "base/BASE_TwoWayLookupTable.h"
#include "trove/TROVE_Symbol.h"
#include "trove/bin/BIN_IStream.h"
#include "trove/bin/BIN_OStream.h"

namespace devio {

class Smbl102_t {
public:
    // A 16-bit handheld code; only the codes of SymbolTable() are ever held.
    enum Smbl_t : std::int32_t {
        kDefaultCode = 18,
    };

    // Raises base::OutOfRange_t (DEVIO_Smbl102, 186) for a code the table lacks.
    explicit Smbl102_t(Smbl_t code);

    // The code of a database symbol 0 to 139. Any other value raises base::Assert_t
    // (DEVIO_Smbl102, 210) and leaves the code unchanged.
    void SetSymbol(trove::Symbol_t symbol);

    // A 16-bit little-endian value. A value the table lacks gives kDefaultCode, without an error;
    // a failed read leaves the code unchanged.
    virtual void Read(bin::istream& in);
    virtual void Write(bin::ostream& out) const;

    Smbl_t code;
};

using SymbolTable_t = base::TwoWayLookupTable_t<Smbl102_t::Smbl_t, trove::Symbol_t>;

// The 140 pairs (handheld code, database symbol), every database symbol once. Built on the
// first call, which the module makes at start.
const SymbolTable_t& SymbolTable();

}  // namespace devio
