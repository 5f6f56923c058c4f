#pragma once

// The move lists as a Markdown document, written from the same content that
// the fighter pages are laid out from: one section per fighter in page order,
// then the secrets and codes.

#include "content/MoveList.h"

#include "framework/Status.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace grimveil::movesdoc {

// A caption as the guide shows it, in UTF-8: the mnemonic rule applied ("&&"
// shows as "&"), code page 1252 converted.
std::string shown_text(std::string_view caption);

// Shown text made safe inside a Markdown table cell or a line of prose: the
// characters Markdown would read as markup are escaped, line breaks become
// spaces.
std::string markdown_text(std::string_view caption);

// The anchor a Markdown renderer gives a heading (GitHub's rule, without the
// numbering of repeated headings).
std::string anchor_of(std::string_view heading);

// The pages in page order, each fighter's move list found by name.
std::vector<content::MoveList> move_lists_in_page_order();

// One fighter's section: a heading, a table of special moves and one of
// reapings, or a line saying there are none.
std::string fighter_section(const content::MoveList& moves);

// The whole document for the given pages, in the order given.
std::string moves_document(std::span<const content::MoveList> pages);

// Writes the document to a file; a failure to write is reported.
gv::Status write_file(const std::string& path, std::string_view text);

} // namespace grimveil::movesdoc
