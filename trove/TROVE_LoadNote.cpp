#include "trove/TROVE_LoadNote.h"

#include <utility>

namespace trove {

namespace {

std::string Letter(std::uint8_t letter) {
    if (letter >= 0x21 && letter <= 0x7E) return std::string(1, static_cast<char>(letter));
    static const char kHex[] = "0123456789ABCDEF";
    return std::string("0x") + kHex[letter >> 4] + kHex[letter & 0xF];
}

}  // namespace

void LoadNotes_t::Add(LoadNote_t note) {
    if (notes_.size() < kLimit) {
        notes_.push_back(std::move(note));
    } else if (notes_.size() == kLimit) {
        notes_.push_back(LoadNote_t{note.record, note.offset, note.letter, DropKind_t::MoreNotes, 1, {}});
    } else {
        ++notes_.back().size;
    }
}

std::string DescribeNote(const LoadNote_t& note) {
    std::string text = "record " + std::to_string(note.record) + " at offset " + std::to_string(note.offset);
    switch (note.kind) {
        case DropKind_t::TrackPoints:
            return text + " (" + Letter(note.letter) + "): track \"" + note.name +
                   "\" is damaged; filed without its points (" + std::to_string(note.size) + " bytes)";
        case DropKind_t::TruncatedRecord:
            if (note.letter == 0) return text + ": the file ends inside the record's framing; skipped";
            return text + " (" + Letter(note.letter) + "): the file ends inside the record; its " +
                   std::to_string(note.size) + " bytes read are skipped";
        case DropKind_t::MoreNotes:
            return text + " and after it: " + std::to_string(note.size) + " more dropped records, not listed one by one";
        case DropKind_t::UnknownRecord:
            break;
    }
    return text + " (" + Letter(note.letter) + "): unknown record letter; its " + std::to_string(note.size) +
           " bytes are skipped";
}

}  // namespace trove
