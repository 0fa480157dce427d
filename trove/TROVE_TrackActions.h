#pragma once
// Undo actions of the track table.
#include <memory>

#include "trove/TROVE_Track.h"
#include "trove/TROVE_TrackId.h"
#include "trove/jnl/JNL_Action.h"

namespace trove {

class Database_t;

// Undo erases the track again.
class TrkInsert_t : public jnl::Action_t {
public:
    TrkInsert_t(Database_t* database, const TrackId_t& id) : database_(database), id_(id) {}
    void Undo() override;
    std::unique_ptr<jnl::Action_t> Clone() const override { return std::make_unique<TrkInsert_t>(*this); }

private:
    Database_t* database_;
    TrackId_t id_;
};

// Undo inserts the erased track again.
class TrkErase_t : public jnl::Action_t {
public:
    TrkErase_t(Database_t* database, const TrackId_t& id, const Track_t& track)
        : database_(database), id_(id), track_(track) {}
    void Undo() override;
    std::unique_ptr<jnl::Action_t> Clone() const override { return std::make_unique<TrkErase_t>(*this); }

private:
    Database_t* database_;
    TrackId_t id_;
    Track_t track_;
};

}  // namespace trove
