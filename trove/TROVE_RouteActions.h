#pragma once
// Undo actions of the route table and of the route-0 entry.
#include <memory>

#include "trove/TROVE_Route.h"
#include "trove/TROVE_Route0.h"
#include "trove/TROVE_RouteId.h"
#include "trove/jnl/JNL_Action.h"

namespace trove {

class Database_t;

// Undo erases the route again.
class RteInsert_t : public jnl::Action_t {
public:
    RteInsert_t(Database_t* database, const RouteId_t& id) : database_(database), id_(id) {}
    void Undo() override;
    std::unique_ptr<jnl::Action_t> Clone() const override { return std::make_unique<RteInsert_t>(*this); }

private:
    Database_t* database_;
    RouteId_t id_;
};

// Undo inserts the erased route again.
class RteErase_t : public jnl::Action_t {
public:
    RteErase_t(Database_t* database, const RouteId_t& id, const Route_t& route)
        : database_(database), id_(id), route_(route) {}
    void Undo() override;
    std::unique_ptr<jnl::Action_t> Clone() const override { return std::make_unique<RteErase_t>(*this); }

private:
    Database_t* database_;
    RouteId_t id_;
    Route_t route_;
};

// Undo clears the route-0 entry.
class Rt0Insert_t : public jnl::Action_t {
public:
    explicit Rt0Insert_t(Database_t* database) : database_(database) {}
    void Undo() override;
    std::unique_ptr<jnl::Action_t> Clone() const override { return std::make_unique<Rt0Insert_t>(*this); }

private:
    Database_t* database_;
};

// Undo sets the cleared route-0 entry again.
class Rt0Erase_t : public jnl::Action_t {
public:
    Rt0Erase_t(Database_t* database, const Route0Entry_t& entry) : database_(database), entry_(entry) {}
    void Undo() override;
    std::unique_ptr<jnl::Action_t> Clone() const override { return std::make_unique<Rt0Erase_t>(*this); }

private:
    Database_t* database_;
    Route0Entry_t entry_;
};

}  // namespace trove
