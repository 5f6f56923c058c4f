// Writes the guide's move lists, secrets and codes as one Markdown document:
//   grimveil-moves-doc <file>
#include "tools/movesdoc/MovesDocument.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <file>\n", argv[0]);
        return 2;
    }
    const auto pages = grimveil::movesdoc::move_lists_in_page_order();
    if (gv::Status s = grimveil::movesdoc::write_file(argv[1], grimveil::movesdoc::moves_document(pages));
        !s) {
        std::fprintf(stderr, "grimveil-moves-doc: %s\n", s.error().c_str());
        return 1;
    }
    return 0;
}
