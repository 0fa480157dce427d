#pragma once
// The base of a database whose changes can be recorded in a journal.
namespace jnl {

class Journal_t;

class Database_t {
public:
    Database_t() = default;
    Database_t(const Database_t&) = delete;
    Database_t& operator=(const Database_t&) = delete;
    virtual ~Database_t() = default;

    // Not owned; null detaches. The journal must outlive its attachment.
    void AttachJournal(Journal_t* journal) { journal_ = journal; }
    Journal_t* Journal() const { return journal_; }

private:
    Journal_t* journal_ = nullptr;
};

}  // namespace jnl
