#pragma once
// The key of a route.
#include <cstdint>
#include <string>

#include "trove/TROVE_Key.h"
#include "trove/TROVE_Name.h"
#include "trove/bin/BIN_IStream.h"
#include "trove/bin/BIN_OStream.h"
#include "trove/bin/BIN_SpanReader.h"

namespace trove {

class RouteId_t : public Key_t {
public:
    RouteId_t() = default;
    explicit RouteId_t(const Name_t& route_name, std::uint8_t generated = 1)
        : name(route_name), generated_name(generated) {}
    RouteId_t(const RouteId_t&) = default;
    RouteId_t& operator=(const RouteId_t&) = default;

    std::string Describe() const override;  // "Route: <name>"
    // The name, then generated_name as one byte.
    virtual void Write(bin::ostream& out) const;
    // Copies name and flag here only when both were read.
    virtual void Read(bin::istream& in);
    void Read(bin::SpanReader_t& in);

    Name_t name;
    std::uint8_t generated_name = 1;  // set when the database made the name up
};

// The table order: by name alone.
bool operator<(const RouteId_t& a, const RouteId_t& b);

}  // namespace trove
