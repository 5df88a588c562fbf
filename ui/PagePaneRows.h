// What the page pane lists, one row per page in project order: the name,
// the start mark, the page shown and the pages no chain of jumps from the
// start page reaches (the check's rule), and for each page the pages that
// jump to it. Portable; made anew whenever the project or the page shown
// changes, so that the list asks for nothing costly while it scrolls.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model/JumpGraph.h"

class Proyecto;

struct PagePaneRow {
    std::string nombre;
    bool start = false;
    bool shown = false;
    bool unreachable = false;
};

class PagePaneRows {
public:
    // `shown` is the page shown (the page tried during a test run), -1 for none.
    PagePaneRows(const Proyecto& project, int shown);

    size_t size() const { return rows_.size(); }
    const PagePaneRow& row(size_t index) const { return rows_[index]; }
    // What row `index` says: its name, after a mark for the start page and
    // before one for a page no jump leads to.
    std::string label(size_t index) const;
    // The names of the pages whose regions or start command jump to `index`.
    std::vector<std::string> pointingHere(size_t index) const;
    // The tooltip of row `index`: the pages that jump to it, or that none does.
    std::string tooltip(size_t index) const;

private:
    const Proyecto& project_;
    JumpGraph graph_;
    std::vector<PagePaneRow> rows_;
};
