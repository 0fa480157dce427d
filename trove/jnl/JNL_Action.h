#pragma once
// One recorded change of a journaled database, able to apply its own inverse.
#include <memory>

namespace jnl {

class Action_t {
public:
    virtual ~Action_t() = default;

    // Applies the inverse of the recorded change to the database the action was recorded for.
    virtual void Undo() = 0;
    virtual bool IsTransactionComplete() const { return false; }
    virtual bool IsStartTransaction() const { return false; }
    // The journal keeps a copy of what it is given; the caller keeps its own object.
    virtual std::unique_ptr<Action_t> Clone() const = 0;

protected:
    Action_t() = default;
    Action_t(const Action_t&) = default;
    Action_t& operator=(const Action_t&) = default;
};

}  // namespace jnl
