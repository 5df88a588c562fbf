// A page moved to another place in the project's order, keeping the start
// page the same page. Portable.
//
// Jumps lead to the first page of their name, so a move may change which of
// two same-named pages they reach; the outcome names it for the status bar.
#pragma once

#include <cstddef>
#include <string>

class Proyecto;

struct PageMoveOutcome {
    bool moved = false;
    // The name whose jumps now lead to another page; "" when none.
    std::string redirectedName;
};

class PageMove {
public:
    // Puts page `from` at place `to` (both within the pages); the pages in
    // between shift by one. Without a start page named, the page that was
    // first becomes the named start page when it stops being first.
    static PageMoveOutcome apply(Proyecto& project, size_t from, size_t to);
    // The status bar's text for `outcome`; "" when there is nothing to say.
    static std::string statusText(const PageMoveOutcome& outcome);
};
