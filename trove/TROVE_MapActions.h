#pragma once
// Undo actions of the map descriptions and the volume record.
#include <memory>

#include "trove/TROVE_Map.h"
#include "trove/TROVE_Volume.h"
#include "trove/jnl/JNL_Action.h"

namespace trove {

class Database_t;

// Undo erases the map again.
class MapInsert_t : public jnl::Action_t {
public:
    MapInsert_t(Database_t* database, const Map_t& map) : database_(database), map_(map) {}
    void Undo() override;
    std::unique_ptr<jnl::Action_t> Clone() const override { return std::make_unique<MapInsert_t>(*this); }

private:
    Database_t* database_;
    Map_t map_;
};

// Undo inserts the erased map again.
class MapErase_t : public jnl::Action_t {
public:
    MapErase_t(Database_t* database, const Map_t& map) : database_(database), map_(map) {}
    void Undo() override;
    std::unique_ptr<jnl::Action_t> Clone() const override { return std::make_unique<MapErase_t>(*this); }

private:
    Database_t* database_;
    Map_t map_;
};

// Undo sets the volume record as it was before the change.
class VolUpdate_t : public jnl::Action_t {
public:
    VolUpdate_t(Database_t* database, const Volume_t& before) : database_(database), before_(before) {}
    void Undo() override;
    std::unique_ptr<jnl::Action_t> Clone() const override { return std::make_unique<VolUpdate_t>(*this); }

private:
    Database_t* database_;
    Volume_t before_;
};

}  // namespace trove
