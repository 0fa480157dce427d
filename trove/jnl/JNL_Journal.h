#pragma once
// The recorded actions of a database, oldest first.
#include <cstddef>
#include <memory>
#include <vector>

#include "trove/jnl/JNL_Action.h"
#include "trove/jnl/JNL_JournalObserver.h"

namespace jnl {

class Journal_t {
public:
    Journal_t() = default;
    Journal_t(const Journal_t&) = delete;
    Journal_t& operator=(const Journal_t&) = delete;

    // Stores a clone of the action at the end, then tells the observer.
    void Append(const Action_t& action);
    // Removes the actions newest first, telling the observer after each one.
    void Clear();

    std::size_t Size() const { return actions_.size(); }
    bool Empty() const { return actions_.empty(); }
    // Range-checked (base::OutOfRange_t).
    Action_t& At(std::size_t index);
    const Action_t& At(std::size_t index) const;
    // The newest action; an empty journal raises base::Assert_t.
    const Action_t& Last() const;

    // Not owned; null for none.
    void SetObserver(JournalObserver_t* observer) { observer_ = observer; }
    JournalObserver_t* Observer() const { return observer_; }

private:
    void Tell();

    std::vector<std::unique_ptr<Action_t>> actions_;
    JournalObserver_t* observer_ = nullptr;
};

}  // namespace jnl
