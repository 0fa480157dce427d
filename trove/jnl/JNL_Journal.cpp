#include "trove/jnl/JNL_Journal.h"

#include "base/BASE_Exception.h"

namespace jnl {

void Journal_t::Append(const Action_t& action) {
    actions_.push_back(action.Clone());
    Tell();
}

void Journal_t::Clear() {
    while (!actions_.empty()) {
        actions_.pop_back();
        Tell();
    }
}

Action_t& Journal_t::At(std::size_t index) {
    BASE_RANGE_CHECK(index < actions_.size());
    return *actions_[index];
}

const Action_t& Journal_t::At(std::size_t index) const {
    BASE_RANGE_CHECK(index < actions_.size());
    return *actions_[index];
}

const Action_t& Journal_t::Last() const {
    BASE_ASSERT(!actions_.empty());
    return *actions_.back();
}

void Journal_t::Tell() {
    if (observer_ != nullptr) observer_->OnJournalChanged(*this);
}

}  // namespace jnl
