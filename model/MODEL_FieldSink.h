#pragma once
// Where a feature's values go one by one, each to the function of its kind: the field list
// calls them in turn (VisitFields, MODEL_Layers.h), so that no value is looked up by index
// or told apart by its kind at run time. field is the value's entry in the layer's schema.
#include <cstdint>
#include <string_view>

#include "model/MODEL_Schema.h"

namespace model {

class FieldSink_t {
public:
    virtual ~FieldSink_t() = default;
    virtual void Absent(const Field_t& field) = 0;
    virtual void Integer(const Field_t& field, std::int64_t value) = 0;
    virtual void Real(const Field_t& field, double value) = 0;
    virtual void Degrees(const Field_t& field, std::int32_t semicircles) = 0;
    // Bytes of the file's code page.
    virtual void Text(const Field_t& field, std::string_view bytes) = 0;
    virtual void Time(const Field_t& field, std::int64_t seconds) = 0;
    virtual void Hex(const Field_t& field, std::string_view bytes) = 0;
};

}  // namespace model
