#pragma once
// The common base of the keys the database files its records under.
#include <string>

namespace trove {

class Key_t {
public:
    virtual ~Key_t() = default;
    // The key's kind and name, e.g. "Waypoint: Home"; the table exceptions append to it.
    virtual std::string Describe() const = 0;

protected:
    Key_t() = default;
    Key_t(const Key_t&) = default;
    Key_t& operator=(const Key_t&) = default;
};

}  // namespace trove
