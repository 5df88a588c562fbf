// Which page jumps to which, through the jumps of regions and start
// commands, and which pages no chain of jumps from the start page reaches.
// A jump goes to the first page of its name, as on the device; "/back" and
// names no page has lead nowhere.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class Proyecto;

struct PageJump {
    size_t from = 0;  // page indexes in `paginas`
    size_t to = 0;
    int32_t region = -1;  // the region that jumps; -1 for the start command
};

class JumpGraph {
public:
    explicit JumpGraph(const Proyecto& project);

    // Every jump, by page and then as the page lists them: the start
    // command first, then the regions in order.
    const std::vector<PageJump>& jumps() const { return jumps_; }
    // The page shown first: the start page, or the first page when it names
    // none. Meaningless without pages.
    size_t startPage() const { return start_; }
    // True for a page the device never shows after starting: the start page
    // is known, no chain of jumps from it leads there, and the page is not a
    // later one sharing an earlier page's name (jumps reach that one only,
    // which is a fault of its own).
    bool unreachable(size_t page) const;
    // True when no earlier page has this page's name.
    bool firstOfItsName(size_t page) const { return firstOfName_[page]; }
    // The pages with a jump to `page`, each once, in project order.
    std::vector<size_t> pagesJumpingTo(size_t page) const;

private:
    std::vector<PageJump> jumps_;
    std::vector<bool> firstOfName_;
    std::vector<bool> reached_;
    bool startKnown_ = true;  // the start page names a page, or none is named
    size_t start_ = 0;
};
