#pragma once
// The arrows of the customer card and the rental slip screen: where each step leads from
// the position box (a record's 1-based position, or empty on a new card) in a file of
// `count` records.
#include <cstddef>
#include <string_view>

namespace filmeria {

enum class NavigationStep { First, Previous, Next, Last };

inline constexpr const char* kNoRecordMessage = "Non esiste nessuna scheda in archivio.";

struct NavigationTarget {
    enum Kind {
        Show,     // show the record at `position` and put the position in the box
        Stay,     // change nothing, say nothing
        NoRecord, // the file is empty: say so (kNoRecordMessage); Next also empties the box
    } kind;
    std::size_t position = 0;
    bool clearBox = false;
};

// Previous on the first record stays without looking at the file; Previous on a new card,
// or on the second record, shows the first; Next on a new card shows the first and on the
// last record stays. A box beyond the last record (records deleted meanwhile, another year
// opened) steps back to the last record.
NavigationTarget navigationTarget(NavigationStep step, std::string_view box, std::size_t count);

// Whether a step needs the record count: every step but Previous from the first record.
bool navigationNeedsCount(NavigationStep step, std::string_view box);

} // namespace filmeria
