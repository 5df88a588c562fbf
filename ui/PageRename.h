// A page renamed together with every jump that reached it: the regions'
// and start commands' jumps and the project's start page. Portable.
//
// A jump reaches the first page of its name; when two pages share a name
// only the first one's jumps follow its new name.
#pragma once

#include <cstddef>
#include <string>

class Proyecto;

struct PageRenameOutcome {
    size_t jumps = 0;        // regions' and start commands' jumps changed
    bool startPage = false;  // the project's start page named it
};

class PageRename {
public:
    // Gives page `index` the name `nombre` (already checked by the page
    // name rules) and carries the jumps that reached it.
    static PageRenameOutcome apply(Proyecto& project, size_t index, const std::string& nombre);
    // The status bar's text for a rename.
    static std::string statusText(const PageRenameOutcome& outcome);
};
