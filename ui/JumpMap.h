// The map of a project's jumps: a box for every page, laid out in layers
// from the start page downwards (each page one layer below the first page
// that jumps to it), the pages no chain of jumps from the start page
// reaches set apart below them, and an arrow for every pair of pages one
// of which jumps to the other. Boxes sit on one grid, so the gaps between
// columns and between rows are free all the way: every arrow leaves its
// page at the bottom, runs along those gaps only, each in a lane of its
// own, and enters its target at the top, never through a box.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class JumpGraph;
class Proyecto;

struct MapPoint {
    int32_t x = 0;
    int32_t y = 0;
};

struct MapBox {
    size_t page = 0;
    int32_t x = 0;  // top-left corner, in map units (CSS pixels)
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool start = false;
    bool apart = false;        // below the band: no chain from the start leads here
    bool unreachable = false;  // what the check calls unreachable
};

struct MapArrow {
    size_t from = 0;
    size_t to = 0;
    bool startCommandOnly = false;  // only start commands make this jump
    std::vector<MapPoint> points;   // from the source's bottom to the target's top
};

class JumpMap {
public:
    JumpMap(const Proyecto& project, const JumpGraph& graph);

    const std::vector<MapBox>& boxes() const { return boxes_; }
    const std::vector<MapArrow>& arrows() const { return arrows_; }
    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    // Where the band of pages set apart begins; -1 without such pages.
    int32_t bandTop() const { return bandTop_; }

    // The map as an SVG element (UTF-8, every page name escaped); each box
    // links to "#pagina-<n>", n counting pages from 1.
    std::string svg(const Proyecto& project) const;

private:
    std::vector<MapBox> boxes_;
    std::vector<MapArrow> arrows_;
    int32_t width_ = 0;
    int32_t height_ = 0;
    int32_t bandTop_ = -1;
};
