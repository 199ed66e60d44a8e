// The search of the whole list for the incremental search: which rows have a searched field
// that contains the term.
#pragma once

#include <atomic>
#include <cstddef>
#include <string_view>
#include <vector>

class CLinkList;
class CTextMatcher;

// The record fields a search looks in; combine with |.
enum ESearchField : unsigned {
    searchTitle = 1u << 0,
    searchDescription = 1u << 1,
    searchCategory = 1u << 2,
    searchLink = 1u << 3,
};

// Puts into `rows`, in row order, every row of `list` with a field among `fields` that `matcher`
// finds `term` in. The fields of a record are tried in the order Title, Description, Category,
// Link, and the first hit ends its tests. Walks the records in place and allocates nothing but
// the room `rows` grows into. When `stop` is given it is read every kStopInterval rows; once it
// is set the search returns false with the rows found so far. Returns true when every row was
// tested.
bool SearchLinks(const CLinkList& list, CTextMatcher& matcher, std::string_view term,
                 unsigned fields, std::vector<std::size_t>& rows,
                 const std::atomic<bool>* stop = nullptr);

// How many rows the search tests between two readings of the stop flag: a few microseconds of
// work, so that a stop takes effect at once without the flag's cache line being touched per row.
constexpr std::size_t kStopInterval = 256;
