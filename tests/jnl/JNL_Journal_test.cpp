#include "trove/jnl/JNL_Journal.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// An action that writes its undo and its destruction into a shared log.
class LoggedAction_t : public jnl::Action_t {
public:
    LoggedAction_t(std::vector<std::string>& log, std::string name) : log_(&log), name_(std::move(name)) {}
    ~LoggedAction_t() override { log_->push_back("delete " + name_); }
    void Undo() override { log_->push_back("undo " + name_); }
    std::unique_ptr<jnl::Action_t> Clone() const override {
        auto copy = std::make_unique<LoggedAction_t>(*this);
        copy->name_ += "'";
        return copy;
    }

private:
    std::vector<std::string>* log_;
    std::string name_;
};

class CountingObserver_t : public jnl::JournalObserver_t {
public:
    void OnJournalChanged(jnl::Journal_t& journal) override { sizes.push_back(journal.Size()); }
    std::vector<std::size_t> sizes;
};

TEST(Journal, AppendStoresACloneAndTellsTheObserver) {
    std::vector<std::string> log;
    jnl::Journal_t journal;
    CountingObserver_t observer;
    journal.SetObserver(&observer);
    {
        LoggedAction_t first(log, "a");
        journal.Append(first);
        journal.Append(LoggedAction_t(log, "b"));
    }
    // The caller's objects are gone; the journal's clones remain.
    EXPECT_EQ(log, (std::vector<std::string>{"delete b", "delete a"}));
    ASSERT_EQ(journal.Size(), 2u);
    journal.At(0).Undo();
    journal.At(1).Undo();
    EXPECT_EQ(log.back(), "undo b'");
    EXPECT_EQ(observer.sizes, (std::vector<std::size_t>{1, 2}));
}

TEST(Journal, ClearDeletesNewestFirstTellingTheObserverEachTime) {
    std::vector<std::string> log;
    jnl::Journal_t journal;
    for (const char* name : {"a", "b", "c"}) journal.Append(LoggedAction_t(log, name));
    log.clear();
    CountingObserver_t observer;
    journal.SetObserver(&observer);
    journal.Clear();
    EXPECT_EQ(log, (std::vector<std::string>{"delete c'", "delete b'", "delete a'"}));
    EXPECT_EQ(observer.sizes, (std::vector<std::size_t>{2, 1, 0}));
    EXPECT_TRUE(journal.Empty());
    journal.Clear();
    EXPECT_EQ(observer.sizes.size(), 3u);
}

}  // namespace
