#include "model/MODEL_Schema.h"

namespace model {

std::size_t Schema_t::Find(std::string_view name) const {
    for (std::size_t i = 0; i < size_; ++i)
        if (name == fields_[i].name) return i;
    return size_;
}

}  // namespace model
