#pragma once
// Each field's name of a layer in the markup a format writes around it (` name="`,
// `<Data name="name"><value>`), put together once from the schema: a feature's fields are then
// written without measuring or copying their names piece by piece. Each markup is followed by
// kBlock readable bytes, for RawFromBlock<kBlock>.
#include <string>
#include <string_view>
#include <vector>

#include "model/MODEL_Layers.h"

namespace tool {

class FieldMarkup_t {
public:
    static constexpr std::size_t kBlock = 64;

    FieldMarkup_t(model::LayerId_t layer, std::string_view before, std::string_view after)
        : schema_(model::SchemaOf(layer)) {
        for (const model::Field_t& field : schema_) {
            const std::string markup = std::string(before) + field.name + std::string(after);
            sizes_.push_back(markup.size());
            markup_.push_back(markup + std::string(kBlock, '\0'));
        }
    }

    // field: an entry of the layer's schema.
    std::string_view operator[](const model::Field_t& field) const {
        const std::size_t i = static_cast<std::size_t>(&field - schema_.begin());
        return std::string_view(markup_[i].data(), sizes_[i]);
    }

private:
    const model::Schema_t& schema_;
    std::vector<std::string> markup_;
    std::vector<std::size_t> sizes_;
};

}  // namespace tool
