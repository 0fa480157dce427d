#pragma once
// Each field's name of a layer in the markup a format writes around it (` name="`,
// `<Data name="name"><value>`), put together once from the schema: a feature's fields are then
// written without measuring or copying their names piece by piece.
#include <string>
#include <string_view>
#include <vector>

#include "model/MODEL_Layers.h"

namespace tool {

class FieldMarkup_t {
public:
    FieldMarkup_t(model::LayerId_t layer, std::string_view before, std::string_view after)
        : schema_(model::SchemaOf(layer)) {
        for (const model::Field_t& field : schema_)
            markup_.push_back(std::string(before) + field.name + std::string(after));
    }

    // field: an entry of the layer's schema.
    std::string_view operator[](const model::Field_t& field) const {
        return markup_[static_cast<std::size_t>(&field - schema_.begin())];
    }

private:
    const model::Schema_t& schema_;
    std::vector<std::string> markup_;
};

}  // namespace tool
