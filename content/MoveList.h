#pragma once

#include <span>
#include <string_view>

namespace grimveil::content {

// One row of a fighter page, as the page shows it: a gold name, a white input
// and an optional gold note. Captions are stored as shown, with "&&" for "&".
struct MoveRow {
    std::string_view name;     // with its colon; empty on a row that only continues the note of the row above
    std::string_view input {}; // empty on a heading row
    std::string_view note {};  // "[close]" and the like, or empty
};

// The game's word for finishing moves: the second section's title, and the
// whole of a page that has none ("No" "Reapings").
inline constexpr std::string_view kFinishingWord = "Reapings";

// A fighter's page: the special-moves rows, then the finishing-moves rows.
struct MoveList {
    std::string_view fighter; // the roster name
    std::span<const MoveRow> special;
    std::span<const MoveRow> finishing;
};

} // namespace grimveil::content
