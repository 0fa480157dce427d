#pragma once
// The markers around the actions of one change set.
#include <memory>

#include "trove/jnl/JNL_Action.h"

namespace trove {

class Database_t;

// Opens a change set; undoing it closes the change set that the undo opened.
class StartTransaction_t : public jnl::Action_t {
public:
    explicit StartTransaction_t(Database_t* database) : database_(database) {}
    void Undo() override;
    bool IsStartTransaction() const override { return true; }
    std::unique_ptr<jnl::Action_t> Clone() const override {
        return std::make_unique<StartTransaction_t>(*this);
    }

private:
    Database_t* database_;
};

// Closes a change set; there is nothing to undo.
class TransactionComplete_t : public jnl::Action_t {
public:
    void Undo() override {}
    bool IsTransactionComplete() const override { return true; }
    std::unique_ptr<jnl::Action_t> Clone() const override {
        return std::make_unique<TransactionComplete_t>(*this);
    }
};

}  // namespace trove
