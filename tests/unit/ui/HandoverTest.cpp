// The handover document without a browser: texts from the project shown as
// text, in UTF-8; the map in layers from the start page with no box over
// another and every jump drawn clear of the boxes; each page's table; the
// files written, pictures copied under names of their own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "model/JumpGraph.h"
#include "model/Proyecto.h"
#include "support/MemoryFileAccess.h"
#include "support/PngEncoder.h"
#include "ui/CommandDescription.h"
#include "ui/HandoverDocument.h"
#include "ui/HandoverExport.h"
#include "ui/HtmlText.h"
#include "ui/JumpMap.h"

namespace {

Comando jump(const std::string& pagina) {
    return Comando{"", "", pagina, "wifi", ""};
}

// Pages named by the first word of each entry, each later word a region
// jumping to that page; a word after ":" is the start command's jump.
std::unique_ptr<Proyecto> projectOf(const std::vector<std::string>& pages, const std::string& start = "") {
    auto project = std::make_unique<Proyecto>();
    project->paginaInicial = start;
    for (const std::string& entry : pages) {
        auto page = std::make_unique<Pagina>();
        std::istringstream words(entry);
        words >> page->nombre;
        bool startCommand = false;
        for (std::string word; words >> word;)
            if (word == ":")
                startCommand = true;
            else if (startCommand)
                page->comandoInicial = jump(word);
            else
                page->addRegion(Region{Rect{0, 0, 10, 10}, jump(word)});
        project->addPage(std::move(page));
    }
    return project;
}

// The map's rows from top to bottom, boxes left to right, "|" between rows;
// pages set apart each in brackets, "*" marking the start page.
std::string rowsOf(const Proyecto& project, const JumpMap& map) {
    std::vector<MapBox> boxes = map.boxes();
    std::sort(boxes.begin(), boxes.end(),
              [](const MapBox& a, const MapBox& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    std::string rows;
    for (size_t i = 0; i < boxes.size(); ++i) {
        const MapBox& box = boxes[i];
        rows += i == 0 ? "" : boxes[i - 1].y != box.y ? " | " : " ";
        const std::string name = (box.start ? "*" : "") + project.paginas[box.page]->nombre;
        rows += box.apart ? "[" + name + "]" : name;
    }
    return rows;
}

// Overlapping insides; edges may touch. A segment of an arrow is a box
// without width or height.
bool overlaps(const MapBox& a, const MapBox& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

MapBox segment(const MapPoint& p, const MapPoint& q) {
    return MapBox{0, std::min(p.x, q.x), std::min(p.y, q.y), std::abs(p.x - q.x), std::abs(p.y - q.y)};
}

}  // namespace

TEST(Handover, ProjectTextsBecomeUtf8AndShowAsText) {
    const std::pair<std::string, std::string> rows[] = {
        {"<script>", "&lt;script&gt;"},
        {"\"&'", "&quot;&amp;&#39;"},
        {"Sal\xF3n \xD1", "Sal\xC3\xB3n \xC3\x91"},
        {"\x80 \x85", "\xE2\x82\xAC \xE2\x80\xA6"},
        {std::string("a\x01\x7F", 3), "a\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(HtmlText::escaped(row.first), row.second) << row.first;
    EXPECT_EQ(HtmlText::address("mi casa_archivos/\xF1.png"), "mi%20casa_archivos/%C3%B1.png");

    // Every place a project text goes: title, map, headings, tables, links.
    auto project = projectOf({"<script>x</script> \"&'", "\"&'"}, "<script>x</script>");
    project->instalacion = "<script>";
    project->paginas[0]->regiones[0].comando.sector = "<b>";
    project->paginas[0]->regiones[0].comando.codigo = "<i>";
    const std::string html = HandoverDocument::html(*project, {}, "<a>.xml", "<u>");
    for (const char* raw : {"<script", "<b>", "<i>", "<u>", "<a>", "\"&'"})
        EXPECT_EQ(html.find(raw), std::string::npos) << raw;
    EXPECT_NE(html.find("&lt;script&gt;x&lt;/script&gt;"), std::string::npos);
    EXPECT_EQ(html.find("://"), html.find("://www.w3.org/2000/svg"));  // no address but the SVG namespace
}

TEST(Handover, TheMapIsLaidOutInLayersFromTheStartPage) {
    struct Row {
        std::vector<std::string> pages;
        const char* start;
        const char* rows;
    };
    const Row rows[] = {
        {{"A B", "B C", "C"}, "", "*A | B | C"},
        {{"A B C", "B A", "C C D", "D B"}, "", "*A | B C | D"},
        {{"A : B", "B /back", "C A", "D"}, "", "*A | B | [C] [D]"},
        {{"A", "B A", "C"}, "B", "*B | A | [C]"},
        {{"A B1 B2 B3 B4 B5 B6 B7", "B1", "B2", "B3", "B4", "B5", "B6", "B7 A"}, "",
         "*A | B1 B2 B3 B4 B5 | B6 B7"},
        {{"A A"}, "", "*A"},
        {{"A B", "B", "B A"}, "", "*A | B | [B]"},
    };
    for (const Row& row : rows) {
        auto project = projectOf(row.pages, row.start);
        const JumpGraph graph(*project);
        const JumpMap map(*project, graph);
        EXPECT_EQ(rowsOf(*project, map), row.rows);
        std::map<size_t, MapBox> boxOf;
        for (const MapBox& box : map.boxes()) {
            boxOf[box.page] = box;
            EXPECT_EQ(box.unreachable, graph.unreachable(box.page)) << row.rows;
            EXPECT_TRUE(box.x >= 0 && box.y >= 0 && box.x + box.width <= map.width() &&
                        box.y + box.height <= map.height()) << row.rows;
            for (const MapBox& other : map.boxes())
                EXPECT_TRUE(&other == &box || !overlaps(box, other)) << row.rows;
        }
        EXPECT_EQ(boxOf.size(), project->paginas.size()) << row.rows;
        // One arrow for each pair of pages joined by a jump, from the bottom
        // edge of its page to the top edge of its target, along the gaps.
        std::set<std::pair<size_t, size_t>> drawn;
        for (const MapArrow& arrow : map.arrows()) {
            EXPECT_TRUE(drawn.emplace(arrow.from, arrow.to).second) << row.rows;
            const MapBox &from = boxOf[arrow.from], &to = boxOf[arrow.to];
            const MapPoint &first = arrow.points.front(), &last = arrow.points.back();
            EXPECT_TRUE(first.y == from.y + from.height && first.x > from.x && first.x < from.x + from.width);
            EXPECT_TRUE(last.y == to.y && last.x > to.x && last.x < to.x + to.width) << row.rows;
            for (size_t p = 1; p < arrow.points.size(); ++p) {
                const MapPoint &a = arrow.points[p - 1], &b = arrow.points[p];
                EXPECT_TRUE(a.x == b.x || a.y == b.y) << row.rows;
                for (const MapBox& box : map.boxes())
                    EXPECT_FALSE(overlaps(segment(a, b), box)) << row.rows << " arrow " << arrow.from << "->" << arrow.to;
            }
        }
        for (const PageJump& jumped : graph.jumps())
            EXPECT_EQ(drawn.count({jumped.from, jumped.to}), 1u) << row.rows;
    }
}

TEST(Handover, EachPageTableSaysWhatEveryRegionDoesAndWhere) {
    auto project = projectOf({"Inicio", "Luces"});
    const Comando commands[] = {
        Comando{"Living", "luz1", "Luces", "bt", "00:11:22:33:44:55"},
        Comando{"", "", "/back", "", ""},
        Comando{"", "", "Garaje", "wifi", ""},
        Comando{},
    };
    const Rect places[] = {{30, 40, 220, 140}, {220, 140, 30, 40}, {0, 0, 1, 1}, {5, 6, 7, 8}};
    for (size_t i = 0; i < 4; ++i)
        project->paginas[0]->addRegion(Region{places[i], commands[i]});
    const std::vector<HandoverRow> rows = HandoverDocument::rows(*project, 0);
    ASSERT_EQ(rows.size(), 4u);
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].number, static_cast<int>(i + 1));
    EXPECT_EQ(rows[0].what, CommandDescription::sending(commands[0]) + ". " + CommandDescription::jump(commands[0]));
    EXPECT_EQ(rows[1].what, CommandDescription::jump(commands[1]));
    EXPECT_NE(rows[2].what, CommandDescription::jump(commands[2]));  // says the page is not there
    EXPECT_EQ(rows[2].what.rfind(CommandDescription::jump(commands[2]), 0), 0u);
    EXPECT_EQ(rows[3].what, CommandDescription::whole(commands[3]));
    EXPECT_NE(rows[3].what, "");
    EXPECT_EQ(rows[0].where, rows[1].where);  // corners in either order
    EXPECT_EQ(rows[0].where, "desde (30, 40), 190 \xD7 100 p\xEDxeles");
}

// Two pages share a picture, one names a picture that is missing by a path
// that climbs out of the folder; the copies are named by the document.
TEST(Handover, ThePicturesAreCopiedBesideTheDocumentUnderNamesOfTheirOwn) {
    MemoryFileAccess files;
    ScopedFileAccess installed(files);
    files.files["C:\\casa\\salon.png"] = patternedPng(12, 10, 1);
    auto project = projectOf({"Inicio Luces", "Luces", "Falta"});
    project->archivo = "C:\\casa\\casa.xml";
    project->paginas[0]->imagen = project->paginas[1]->imagen = "salon.png";
    project->paginas[2]->imagen = "..\\..\\<script>.png";
    project->paginas[2]->ancho = 30;
    project->paginas[2]->alto = 20;
    files.folders.insert("C:\\docs\\");
    EXPECT_EQ(HandoverExport::write(*project, "C:\\docs\\entrega.html", "08/12/2026", files), "");
    std::vector<std::string> written;
    for (const auto& file : files.files)
        written.push_back(file.first);
    EXPECT_EQ(written, (std::vector<std::string>{"C:\\casa\\salon.png", "C:\\docs\\entrega.html",
                                                 "C:\\docs\\entrega_archivos\\pagina-001.png"}));
    EXPECT_EQ(files.files["C:\\docs\\entrega_archivos\\pagina-001.png"], files.files["C:\\casa\\salon.png"]);
    const std::string& html = files.files["C:\\docs\\entrega.html"];
    const std::string shown = "<img src=\"entrega_archivos/pagina-001.png\"";
    EXPECT_TRUE(html.find(shown) != std::string::npos && html.find(shown) != html.rfind(shown));  // both pages
    EXPECT_NE(html.find("aspect-ratio:30 / 20"), std::string::npos);  // the missing one keeps its size
    EXPECT_TRUE(HandoverExport::wouldReplace(files, "C:\\docs\\entrega.html"));
    EXPECT_FALSE(HandoverExport::wouldReplace(files, "C:\\docs\\otra.html"));
}
