#pragma once
// Told after every change of a journal.
namespace jnl {

class Journal_t;

class JournalObserver_t {
public:
    virtual ~JournalObserver_t() = default;
    virtual void OnJournalChanged(Journal_t& journal) = 0;
};

}  // namespace jnl
