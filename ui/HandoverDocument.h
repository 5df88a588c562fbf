// The handover document of a project as one self-contained HTML page (UTF-8,
// nothing loaded from elsewhere but the copied pictures beside it): a title
// block, the map of the jumps and, for each page in project order, its
// picture with every region outlined and numbered, a table of what each
// region does and where it is, the start command and the pages that jump
// there. Printed, each page of the project takes a sheet of its own, and
// so does the map.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Proyecto;

// A page's picture as the document shows it.
struct HandoverPicture {
    bool present = false;  // else a grey box of the page's size stands in
    uint32_t width = 0;    // the picture's size, or the size recorded for it
    uint32_t height = 0;
    std::string address;  // the copy's address relative to the document
};

// One row of a page's table (Windows-1252 texts).
struct HandoverRow {
    int number = 0;     // the number drawn over the region, from 1
    std::string what;   // what the region does
    std::string where;  // its rectangle, in picture pixels
    bool operator==(const HandoverRow& other) const {
        return number == other.number && what == other.what && where == other.where;
    }
};

class HandoverDocument {
public:
    // `pictures` has one entry per page; `projectFile` and `date` are shown
    // in the title block.
    static std::string html(const Proyecto& project, const std::vector<HandoverPicture>& pictures,
                            const std::string& projectFile, const std::string& date);
    static std::vector<HandoverRow> rows(const Proyecto& project, size_t page);
};
