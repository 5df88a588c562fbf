#include "ui/JumpMap.h"

#include <algorithm>
#include <map>
#include <utility>

#include "model/JumpGraph.h"
#include "model/Proyecto.h"
#include "ui/HtmlText.h"

namespace {

const int32_t kBoxWidth = 168;
const int32_t kBoxHeight = 44;
const int32_t kGap = 28;      // a gap between rows or columns without lanes
const int32_t kLane = 6;      // what each arrow running along a gap adds to it
const int32_t kCaption = 22;  // the band's title, at its foot, below every lane
const size_t kMaxColumns = 5;
const size_t kShownNameLength = 22;  // longer names are cut; the tooltip has them whole

struct Edge {
    size_t from;
    size_t to;
    bool startCommandOnly;
};

// One arrow along the gaps: down into the gap below its page's row; then
// either straight to its target in the next row, or along the gap between
// two columns to the gap above its target's row.
struct Route {
    size_t exitChannel = 0;  // channel k lies above row k
    int exitLane = 0;
    int gutter = -1;  // gutter g lies left of column g; -1 for the next row
    int gutterLane = 0;
    size_t entryChannel = 0;
    int entryLane = 0;
};

std::vector<Edge> distinctEdges(const JumpGraph& graph) {
    std::vector<Edge> edges;
    std::map<std::pair<size_t, size_t>, size_t> known;
    for (const PageJump& jump : graph.jumps()) {
        auto found = known.emplace(std::make_pair(jump.from, jump.to), edges.size());
        if (found.second)
            edges.push_back(Edge{jump.from, jump.to, jump.region < 0});
        else if (jump.region >= 0)
            edges[found.first->second].startCommandOnly = false;
    }
    return edges;
}

// Pages in the order a breadth-first walk from the start meets them, and
// the layer of each (-1 for pages it never meets).
std::vector<size_t> walkFromStart(size_t count, size_t start, const std::vector<Edge>& edges, std::vector<int>& layer) {
    std::vector<std::vector<size_t>> targets(count);
    for (const Edge& edge : edges)
        targets[edge.from].push_back(edge.to);
    layer.assign(count, -1);
    std::vector<size_t> order{start};
    layer[start] = 0;
    for (size_t next = 0; next < order.size(); ++next)
        for (size_t target : targets[order[next]])
            if (layer[target] < 0) {
                layer[target] = layer[order[next]] + 1;
                order.push_back(target);
            }
    return order;
}

void appendRows(const std::vector<size_t>& pages, size_t columns, std::vector<std::vector<size_t>>& rows) {
    for (size_t i = 0; i < pages.size(); i += columns)
        rows.emplace_back(pages.begin() + static_cast<long>(i),
                          pages.begin() + static_cast<long>(std::min(pages.size(), i + columns)));
}

std::string number(int32_t value) {
    return std::to_string(value);
}

std::string shownName(const std::string& name) {
    if (name.size() <= kShownNameLength)
        return name;
    return name.substr(0, kShownNameLength - 1) + "\x85";  // an ellipsis
}

// The pages on a grid: the layers from the start in walking order, each cut
// into rows of at most `columns` boxes, then the pages set apart; rows
// shorter than the grid are centred.
struct Grid {
    std::vector<std::vector<size_t>> rows;
    size_t columns = 1;
    size_t firstApartRow = 0;
    std::vector<size_t> rowOf;
    std::vector<size_t> columnOf;
};

Grid gridOf(size_t count, size_t start, const std::vector<Edge>& edges) {
    std::vector<int> layer;
    const std::vector<size_t> order = walkFromStart(count, start, edges, layer);
    std::vector<size_t> apart;
    for (size_t i = 0; i < count; ++i)
        if (layer[i] < 0)
            apart.push_back(i);
    std::vector<size_t> layerSizes(static_cast<size_t>(layer[order.back()]) + 1, 0);
    for (size_t page : order)
        ++layerSizes[static_cast<size_t>(layer[page])];
    Grid grid;
    grid.columns = std::min(kMaxColumns, std::max(*std::max_element(layerSizes.begin(), layerSizes.end()), apart.size()));
    for (size_t begin = 0; begin < order.size();) {
        size_t end = begin;
        while (end < order.size() && layer[order[end]] == layer[order[begin]])
            ++end;
        appendRows(std::vector<size_t>(order.begin() + static_cast<long>(begin), order.begin() + static_cast<long>(end)),
                   grid.columns, grid.rows);
        begin = end;
    }
    grid.firstApartRow = grid.rows.size();
    appendRows(apart, grid.columns, grid.rows);
    grid.rowOf.resize(count);
    grid.columnOf.resize(count);
    for (size_t r = 0; r < grid.rows.size(); ++r)
        for (size_t i = 0; i < grid.rows[r].size(); ++i) {
            grid.rowOf[grid.rows[r][i]] = r;
            grid.columnOf[grid.rows[r][i]] = (grid.columns - grid.rows[r].size()) / 2 + i;
        }
    return grid;
}

// Each arrow's route, its lanes, and its place among the arrows leaving
// and entering its boxes.
struct Routing {
    std::vector<Route> routes;
    std::vector<int> channelLanes;  // lanes taken in each channel
    std::vector<int> gutterLanes;   // and in each gutter
    std::vector<int> exitIndex, entryIndex;
    std::vector<int> outgoing, incoming;  // arrows per page
};

Routing routingOf(const Grid& grid, const std::vector<Edge>& edges) {
    Routing routing;
    routing.channelLanes.assign(grid.rows.size() + 1, 0);
    routing.gutterLanes.assign(grid.columns + 1, 0);
    routing.outgoing.assign(grid.rowOf.size(), 0);
    routing.incoming.assign(grid.rowOf.size(), 0);
    for (const Edge& edge : edges) {
        Route route;
        routing.exitIndex.push_back(routing.outgoing[edge.from]++);
        routing.entryIndex.push_back(routing.incoming[edge.to]++);
        const size_t a = grid.rowOf[edge.from], b = grid.rowOf[edge.to];
        route.exitChannel = a + 1;
        route.exitLane = routing.channelLanes[a + 1]++;
        if (b != a + 1) {
            const size_t fromColumn = grid.columnOf[edge.from], toColumn = grid.columnOf[edge.to];
            route.gutter = static_cast<int>(fromColumn <= toColumn ? toColumn : toColumn + 1);
            route.gutterLane = routing.gutterLanes[static_cast<size_t>(route.gutter)]++;
            route.entryChannel = b;
            route.entryLane = routing.channelLanes[b]++;
        }
        routing.routes.push_back(route);
    }
    return routing;
}

// Where rows, columns and lanes lie: each gap grows with the lanes along it,
// and the last one also holds the band's title.
class Geometry {
public:
    Geometry(const Grid& grid, const Routing& routing, bool hasBand) : routing_(routing) {
        const size_t rows = grid.rows.size();
        channelTop_.assign(rows + 2, 0);
        channelHeight_.assign(rows + 1, 0);
        for (size_t k = 0; k <= rows; ++k) {
            channelHeight_[k] = kGap + routing.channelLanes[k] * kLane + (hasBand && k == rows ? kCaption : 0);
            channelTop_[k + 1] = channelTop_[k] + channelHeight_[k] + kBoxHeight;
        }
        gutterLeft_.assign(grid.columns + 1, 0);
        for (size_t g = 1; g <= grid.columns; ++g)
            gutterLeft_[g] = gutterLeft_[g - 1] + kGap + routing.gutterLanes[g - 1] * kLane + kBoxWidth;
        width_ = columnX(grid.columns);  // the end of the last gutter
        height_ = channelTop_[rows] + channelHeight_[rows];
    }
    int32_t columnX(size_t column) const {
        return gutterLeft_[column] + kGap + routing_.gutterLanes[column] * kLane;
    }
    int32_t rowY(size_t row) const { return channelTop_[row] + channelHeight_[row]; }
    int32_t laneY(size_t channel, int lane) const { return channelTop_[channel] + kGap / 2 + lane * kLane; }
    int32_t laneX(int gutter, int lane) const {
        return gutterLeft_[static_cast<size_t>(gutter)] + kGap / 2 + lane * kLane;
    }
    // Just below the lanes of channel `channel`.
    int32_t below(size_t channel) const { return laneY(channel, routing_.channelLanes[channel]); }
    int32_t width() const { return width_; }
    int32_t height() const { return height_; }

private:
    const Routing& routing_;
    std::vector<int32_t> channelTop_, channelHeight_, gutterLeft_;
    int32_t width_ = 0;
    int32_t height_ = 0;
};

MapArrow arrowOf(const Edge& edge, const Route& route, const MapBox& source, const MapBox& target, int32_t exitX,
                 int32_t entryX, const Geometry& geometry) {
    MapArrow arrow;
    arrow.from = edge.from;
    arrow.to = edge.to;
    arrow.startCommandOnly = edge.startCommandOnly;
    const int32_t exitY = geometry.laneY(route.exitChannel, route.exitLane);
    arrow.points.push_back(MapPoint{exitX, source.y + source.height});
    arrow.points.push_back(MapPoint{exitX, exitY});
    if (route.gutter >= 0) {
        const int32_t gutterX = geometry.laneX(route.gutter, route.gutterLane);
        const int32_t entryY = geometry.laneY(route.entryChannel, route.entryLane);
        arrow.points.push_back(MapPoint{gutterX, exitY});
        arrow.points.push_back(MapPoint{gutterX, entryY});
        arrow.points.push_back(MapPoint{entryX, entryY});
    } else {
        arrow.points.push_back(MapPoint{entryX, exitY});
    }
    arrow.points.push_back(MapPoint{entryX, target.y});
    return arrow;
}

}  // namespace

JumpMap::JumpMap(const Proyecto& project, const JumpGraph& graph) {
    const size_t count = project.paginas.size();
    if (count == 0)
        return;
    const std::vector<Edge> edges = distinctEdges(graph);
    const Grid grid = gridOf(count, graph.startPage(), edges);
    const Routing routing = routingOf(grid, edges);
    const bool hasBand = grid.firstApartRow < grid.rows.size();
    const Geometry geometry(grid, routing, hasBand);
    width_ = geometry.width();
    height_ = geometry.height();
    if (hasBand)
        bandTop_ = geometry.below(grid.firstApartRow);

    std::vector<size_t> boxOf(count);
    for (size_t r = 0; r < grid.rows.size(); ++r)
        for (size_t page : grid.rows[r]) {
            boxOf[page] = boxes_.size();
            boxes_.push_back(MapBox{page, geometry.columnX(grid.columnOf[page]), geometry.rowY(r), kBoxWidth,
                                    kBoxHeight, page == graph.startPage(), r >= grid.firstApartRow,
                                    graph.unreachable(page)});
        }
    for (size_t e = 0; e < edges.size(); ++e) {
        const Edge& edge = edges[e];
        const MapBox& source = boxes_[boxOf[edge.from]];
        const MapBox& target = boxes_[boxOf[edge.to]];
        const int32_t exitX = source.x + (routing.exitIndex[e] + 1) * kBoxWidth / (routing.outgoing[edge.from] + 1);
        const int32_t entryX = target.x + (routing.entryIndex[e] + 1) * kBoxWidth / (routing.incoming[edge.to] + 1);
        arrows_.push_back(arrowOf(edge, routing.routes[e], source, target, exitX, entryX, geometry));
    }
}

std::string JumpMap::svg(const Proyecto& project) const {
    std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"mapa\" viewBox=\"0 0 " + number(width_) + " " +
                      number(height_) + "\" width=\"" + number(width_) + "\" height=\"" + number(height_) +
                      "\" role=\"img\" aria-label=\"Mapa de saltos\">\n"
                      "<defs><marker id=\"flecha\" viewBox=\"0 0 10 10\" refX=\"10\" refY=\"5\" markerWidth=\"7\" "
                      "markerHeight=\"7\" orient=\"auto\"><path d=\"M0,0L10,5L0,10z\" fill=\"#1f3a5f\"/></marker></defs>\n";
    if (bandTop_ >= 0)
        out += "<rect class=\"banda\" x=\"0\" y=\"" + number(bandTop_) + "\" width=\"" + number(width_) +
               "\" height=\"" + number(height_ - bandTop_) + "\"/>\n<text class=\"banda\" x=\"10\" y=\"" +
               number(height_ - 9) + "\">" +
               HtmlText::escaped("Fuera del recorrido desde la p\xE1gina inicial") + "</text>\n";
    for (const MapArrow& arrow : arrows_) {
        out += std::string("<polyline class=\"") + (arrow.startCommandOnly ? "salto inicial" : "salto") +
               "\" marker-end=\"url(#flecha)\" points=\"";
        for (size_t i = 0; i < arrow.points.size(); ++i)
            out += (i ? " " : "") + number(arrow.points[i].x) + "," + number(arrow.points[i].y);
        out += "\"/>\n";
    }
    for (const MapBox& box : boxes_) {
        const std::string& name = project.paginas[box.page]->nombre;
        std::string kind = box.start ? "pagina inicio" : box.unreachable ? "pagina aislada" : "pagina";
        out += "<a href=\"#pagina-" + std::to_string(box.page + 1) + "\"><title>" + HtmlText::escaped(name) +
               "</title><rect class=\"" + kind + "\" x=\"" + number(box.x) + "\" y=\"" + number(box.y) +
               "\" width=\"" + number(box.width) + "\" height=\"" + number(box.height) + "\" rx=\"5\"/>";
        const int32_t middle = box.x + box.width / 2;
        if (box.start)
            out += "<text class=\"marca\" x=\"" + number(middle) + "\" y=\"" + number(box.y + 14) + "\">" +
                   HtmlText::escaped("P\xC1GINA INICIAL") + "</text>";
        out += "<text x=\"" + number(middle) + "\" y=\"" + number(box.y + (box.start ? 33 : 27)) + "\">" +
               HtmlText::escaped(std::to_string(box.page + 1) + ". " + shownName(name)) + "</text></a>\n";
    }
    return out + "</svg>\n";
}
