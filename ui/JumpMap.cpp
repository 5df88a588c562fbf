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

}  // namespace

JumpMap::JumpMap(const Proyecto& project, const JumpGraph& graph) {
    const size_t count = project.paginas.size();
    if (count == 0)
        return;
    const std::vector<Edge> edges = distinctEdges(graph);
    std::vector<int> layer;
    const std::vector<size_t> order = walkFromStart(count, graph.startPage(), edges, layer);
    std::vector<size_t> apart;
    for (size_t i = 0; i < count; ++i)
        if (layer[i] < 0)
            apart.push_back(i);

    std::vector<size_t> layerSizes(static_cast<size_t>(layer[order.back()]) + 1, 0);
    for (size_t page : order)
        ++layerSizes[static_cast<size_t>(layer[page])];
    const size_t widest = std::max(*std::max_element(layerSizes.begin(), layerSizes.end()), apart.size());
    const size_t columns = std::min(kMaxColumns, widest);

    std::vector<std::vector<size_t>> rows;
    for (size_t begin = 0; begin < order.size();) {
        size_t end = begin;
        while (end < order.size() && layer[order[end]] == layer[order[begin]])
            ++end;
        appendRows(std::vector<size_t>(order.begin() + static_cast<long>(begin), order.begin() + static_cast<long>(end)),
                   columns, rows);
        begin = end;
    }
    const size_t firstApartRow = rows.size();
    appendRows(apart, columns, rows);

    std::vector<size_t> rowOf(count), columnOf(count);
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t i = 0; i < rows[r].size(); ++i) {
            rowOf[rows[r][i]] = r;
            columnOf[rows[r][i]] = (columns - rows[r].size()) / 2 + i;
        }

    // Lanes first: the gaps grow with the arrows that run along them.
    std::vector<int> channelLanes(rows.size() + 1, 0), gutterLanes(columns + 1, 0);
    std::vector<int> outgoing(count, 0), incoming(count, 0);
    std::vector<int> exitIndex(edges.size()), entryIndex(edges.size());
    std::vector<Route> routes(edges.size());
    for (size_t e = 0; e < edges.size(); ++e) {
        const Edge& edge = edges[e];
        Route& route = routes[e];
        exitIndex[e] = outgoing[edge.from]++;
        entryIndex[e] = incoming[edge.to]++;
        const size_t a = rowOf[edge.from], b = rowOf[edge.to];
        route.exitChannel = a + 1;
        route.exitLane = channelLanes[a + 1]++;
        if (b == a + 1)
            continue;
        const size_t fromColumn = columnOf[edge.from], toColumn = columnOf[edge.to];
        route.gutter = static_cast<int>(fromColumn <= toColumn ? toColumn : toColumn + 1);
        route.gutterLane = gutterLanes[static_cast<size_t>(route.gutter)]++;
        route.entryChannel = b;
        route.entryLane = channelLanes[b]++;
    }

    const bool hasBand = !apart.empty();
    std::vector<int32_t> channelTop(rows.size() + 2, 0), channelHeight(rows.size() + 1);
    for (size_t k = 0; k <= rows.size(); ++k) {
        channelHeight[k] = kGap + channelLanes[k] * kLane + (hasBand && k == rows.size() ? kCaption : 0);
        channelTop[k + 1] = channelTop[k] + channelHeight[k] + kBoxHeight;
    }
    std::vector<int32_t> gutterLeft(columns + 1, 0);
    for (size_t g = 1; g <= columns; ++g)
        gutterLeft[g] = gutterLeft[g - 1] + kGap + gutterLanes[g - 1] * kLane + kBoxWidth;
    auto columnX = [&](size_t c) { return gutterLeft[c] + kGap + gutterLanes[c] * kLane; };
    auto rowY = [&](size_t r) { return channelTop[r] + channelHeight[r]; };
    auto laneY = [&](size_t channel, int lane) { return channelTop[channel] + kGap / 2 + lane * kLane; };
    auto laneX = [&](int gutter, int lane) { return gutterLeft[static_cast<size_t>(gutter)] + kGap / 2 + lane * kLane; };

    width_ = gutterLeft[columns] + kGap + gutterLanes[columns] * kLane;
    height_ = channelTop[rows.size()] + channelHeight[rows.size()];
    if (hasBand)
        bandTop_ = channelTop[firstApartRow] + kGap / 2 + channelLanes[firstApartRow] * kLane;

    std::vector<size_t> boxOf(count);
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t page : rows[r]) {
            MapBox box;
            box.page = page;
            box.x = columnX(columnOf[page]);
            box.y = rowY(r);
            box.width = kBoxWidth;
            box.height = kBoxHeight;
            box.start = page == graph.startPage();
            box.apart = r >= firstApartRow;
            box.unreachable = graph.unreachable(page);
            boxOf[page] = boxes_.size();
            boxes_.push_back(box);
        }

    for (size_t e = 0; e < edges.size(); ++e) {
        const Edge& edge = edges[e];
        const Route& route = routes[e];
        const MapBox& source = boxes_[boxOf[edge.from]];
        const MapBox& target = boxes_[boxOf[edge.to]];
        const int32_t exitX = source.x + (exitIndex[e] + 1) * kBoxWidth / (outgoing[edge.from] + 1);
        const int32_t entryX = target.x + (entryIndex[e] + 1) * kBoxWidth / (incoming[edge.to] + 1);
        MapArrow arrow;
        arrow.from = edge.from;
        arrow.to = edge.to;
        arrow.startCommandOnly = edge.startCommandOnly;
        const int32_t exitY = laneY(route.exitChannel, route.exitLane);
        arrow.points.push_back(MapPoint{exitX, source.y + source.height});
        arrow.points.push_back(MapPoint{exitX, exitY});
        if (route.gutter >= 0) {
            const int32_t gutterX = laneX(route.gutter, route.gutterLane);
            const int32_t entryY = laneY(route.entryChannel, route.entryLane);
            arrow.points.push_back(MapPoint{gutterX, exitY});
            arrow.points.push_back(MapPoint{gutterX, entryY});
            arrow.points.push_back(MapPoint{entryX, entryY});
        } else {
            arrow.points.push_back(MapPoint{entryX, exitY});
        }
        arrow.points.push_back(MapPoint{entryX, target.y});
        arrows_.push_back(arrow);
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
