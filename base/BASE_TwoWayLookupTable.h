#pragma once
// A table of pairs searched from either column. Both columns are unique, so each lookup has at
// most one answer. The table is the vector of its pairs in insertion order.
#include <utility>
#include <vector>

#include "base/BASE_Exception.h"

namespace base {

template <class A, class B>
class TwoWayLookupTable_t : public std::vector<std::pair<A, B>> {
public:
    using Pair_t = std::pair<A, B>;
    using const_iterator = typename std::vector<Pair_t>::const_iterator;

    // Appends the pairs of [first, last) in order, each member converted explicitly (a constant
    // array may hold plain integers for enumerations). A first or second value met before raises
    // base::Assert_t.
    template <class It>
    TwoWayLookupTable_t(It first, It last) {
        for (; first != last; ++first) {
            const Pair_t pair(static_cast<A>(first->first), static_cast<B>(first->second));
            if (FindFirst(pair.first) != this->end() || FindSecond(pair.second) != this->end()) {
                throw Assert_t("BASE_TwoWayLookupTable", 211);
            }
            this->push_back(pair);
        }
    }
    virtual ~TwoWayLookupTable_t() = default;

    // The first pair whose first (second) value equals the given one, or end().
    const_iterator FindFirst(const A& a) const {
        for (const_iterator it = this->begin(); it != this->end(); ++it) {
            if (it->first == a) return it;
        }
        return this->end();
    }
    const_iterator FindSecond(const B& b) const {
        for (const_iterator it = this->begin(); it != this->end(); ++it) {
            if (it->second == b) return it;
        }
        return this->end();
    }
};

}  // namespace base
