#pragma once
// What a load dropped without failing: a damaged track filed without its points, a record cut
// short by the end of the file, a record of an unknown letter. The readers leave one note per
// event when the caller hands them a list; the import passes none.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace trove {

enum class DropKind_t {
    TrackPoints,      // a track record damaged part-way: the track is filed without its points
    TruncatedRecord,  // the file ends inside the record: the record is skipped
    UnknownRecord,    // a letter no reader knows: the record is skipped whole
    MoreNotes,        // the notes past the limit, counted in `size` from this record on
};

struct LoadNote_t {
    std::uint64_t record = 0;  // 1 for the first record after the header
    std::uint64_t offset = 0;  // of the record's framing in the file
    std::uint8_t letter = 0;   // 0 when the file ends before the letter
    DropKind_t kind = DropKind_t::UnknownRecord;
    std::uint64_t size = 0;  // payload bytes skipped (or read, for a track); notes, for MoreNotes
    std::string name;        // the track's name
};

// The record a reader was reading when the load failed: the framing's place and letter.
struct LoadFault_t {
    std::uint64_t record = 0;
    std::uint64_t offset = 0;
    std::uint8_t letter = 0;
};

// The notes of one load. A damaged file can hold a note's worth of trouble every few bytes, so
// only the first kLimit are kept; one last MoreNotes note counts the rest.
class LoadNotes_t {
public:
    static constexpr std::size_t kLimit = 1000;

    void Add(LoadNote_t note);

    std::vector<LoadNote_t>::const_iterator begin() const { return notes_.begin(); }
    std::vector<LoadNote_t>::const_iterator end() const { return notes_.end(); }
    std::size_t size() const { return notes_.size(); }
    bool empty() const { return notes_.empty(); }
    const LoadNote_t& operator[](std::size_t i) const { return notes_[i]; }

    // Set by the readers when a record's reading throws, so that a refusal can name the place.
    void SetFault(const LoadFault_t& fault) { fault_ = fault; }
    const std::optional<LoadFault_t>& Fault() const { return fault_; }

private:
    std::vector<LoadNote_t> notes_;
    std::optional<LoadFault_t> fault_;
};

// One line for the note, for example "record 7 at offset 1234 (T): track \"x\" filed without
// its points (5 of 100 read)". The name's bytes are given as they are.
std::string DescribeNote(const LoadNote_t& note);

}  // namespace trove
