// Pictures becoming pages: their order, the files beside the project, the
// questions raised, region scaling, the single undo step and the pages
// found resized at open.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "model/FileAccess.h"
#include "model/PictureCache.h"
#include "model/Proyecto.h"
#include "model/RegionScale.h"
#include "tests/unit/support/PngFile.h"
#include "tests/unit/support/TempFolder.h"
#include "ui/PictureImport.h"
#include "ui/ProjectDocument.h"

namespace {

std::string joined(const std::vector<std::string>& list) {
    std::string text;
    for (const std::string& name : list)
        text += (text.empty() ? "" : ",") + name;
    return text;
}

std::string pictureNames(const std::vector<PictureFile>& pictures) {
    std::string text;
    for (const PictureFile& p : pictures)
        text += (text.empty() ? "" : ",") + p.name + "=" + std::to_string(p.width) + "x" + std::to_string(p.height);
    return text;
}

// A project saved as proyecto.xml in its own folder, and a folder of exports.
struct Folders {
    TempFolder project;
    TempFolder exports;
    std::unique_ptr<Proyecto> made = std::make_unique<Proyecto>();

    Folders() {
        made->instalacion = "Casa";
        made->archivo = project.file("proyecto.xml");
    }
    // A 40x30 page with one region at {10, 10, 30, 20}.
    void addPage(const std::string& nombre, const std::string& imagen) {
        writePng(project.file(imagen), 40, 30);
        auto page = std::make_unique<Pagina>();
        page->nombre = nombre;
        page->setImagen(40, 30, imagen, made->archivo);
        page->addRegion(Region{Rect{10, 10, 30, 20}, Comando()});
        made->addPage(std::move(page));
    }
    PictureImport choose(const std::vector<std::string>& names) const {
        std::vector<std::string> paths;
        for (const std::string& name : names)
            paths.push_back(exports.file(name));
        return PictureImport(paths, *made, FileAccess::current());
    }
};

}  // namespace

// Each row is in strictly ascending order, every pair both ways.
TEST(PictureImport, NaturalOrderOfNames) {
    const std::vector<std::vector<std::string>> ascending = {
        {"A.png", "a.png", "B.png"},  {"Pag1.png", "pag2.png", "pag10.png"}, {"pag02.png", "pag3.png"},
        {"\xE1rbol", "\xC1rbol2"},    {"pag1", "pag1.png"}, {"x99999999999999999999", "x100000000000000000000"},
    };
    for (const std::vector<std::string>& row : ascending)
        for (size_t i = 0; i < row.size(); ++i)
            for (size_t j = 0; j < row.size(); ++j)
                EXPECT_EQ(naturalLess(row[i], row[j]), i < j) << row[i] << " < " << row[j];
}

TEST(PictureImport, RegionsScaleEdgeByEdgeInsideThePicture) {
    struct Case {
        Rect from;
        uint32_t fromW, fromH, toW, toH;
        Rect expected;
    } cases[] = {
        {{10, 20, 30, 40}, 100, 100, 200, 50, {20, 10, 60, 20}},     // each axis on its own
        {{1, 1, 2, 2}, 100, 100, 150, 150, {2, 2, 3, 3}},            // halves round up
        {{30, 40, 10, 20}, 100, 100, 100, 100, {10, 20, 30, 40}},    // corners put in order
        {{-50, -5, 500, 90}, 100, 100, 50, 50, {0, 0, 50, 45}},      // never outside
        {{10, 10, 11, 11}, 1000, 1000, 10, 10, {0, 0, 1, 1}},        // never below a pixel
        {{999, 999, 1000, 1000}, 1000, 1000, 10, 20, {9, 19, 10, 20}},
        {{999, 999, 1000, 1000}, 1000, 1000, 20, 10, {19, 9, 20, 10}},
        {{1, 2, 3, 4}, 0, 100, 50, 50, {1, 2, 3, 4}},                // no size: as it was
    };
    for (const Case& c : cases)
        EXPECT_EQ(scaledRect(c.from, c.fromW, c.fromH, c.toW, c.toH), c.expected) << c.from.left << "," << c.from.top;
}

TEST(PictureImport, RefusesWhatCannotBeAPageAndAsksBeforeReplacing) {
    Folders folders;
    folders.addPage("Sala", "sala.png");
    folders.addPage("Patio", "patio.png");
    writePng(folders.exports.file("pag10.png"), 20, 10);
    writePng(folders.exports.file("pag2.png"), 8, 6);
    writePng(folders.exports.file("sala.png"), 40, 60);  // re-exported taller
    writePng(folders.exports.file("patio.png"), 80, 30);  // ... and wider
    writePng(folders.exports.file("Luz.png"), 8, 6);
    std::ofstream(folders.exports.file("notas.png")) << "not a picture";
    writePng(folders.project.file("pag2.png"), 5, 5);  // another file of that name
    PictureImport import =
        folders.choose({"pag10.png", "pag2.png", "sala.png", "patio.png", "notas.png", "ausente.png", "CON.png",
                        "Luz.png", "luz.png"});
    EXPECT_EQ(joined(import.refusals()),
              "ausente.png: no es una imagen PNG que el programa pueda usar,"
              "CON.png: nombre de archivo no admitido,"
              "luz.png: otro archivo elegido tiene el mismo nombre,"
              "notas.png: no es una imagen PNG que el programa pueda usar");
    EXPECT_EQ(joined(import.conflictingNames()), "pag2.png,patio.png,sala.png");
    import.setConflictAnswer(ReplaceAnswer::Replace);
    EXPECT_EQ(joined(import.resizedPages(*folders.made)), "Sala,Patio");
    // A file that goes away before it is copied is refused then.
    std::remove(folders.exports.file("pag10.png").c_str());
    import.copy();
    EXPECT_EQ(import.refusals().back(), "pag10.png: no se pudo copiar junto al proyecto");
    EXPECT_EQ(pictureNames(import.pictures()), "Luz.png=8x6,pag2.png=8x6,patio.png=80x30,sala.png=40x60");

    writePng(folders.exports.file("pag2.png"), 9, 9);
    for (const auto& [answer, expected] :
         {std::pair<ReplaceAnswer, std::string>{ReplaceAnswer::Keep, "pag2.png=8x6"}, {ReplaceAnswer::Stop, ""}}) {
        PictureImport again = folders.choose({"pag2.png"});
        again.setConflictAnswer(answer);
        again.copy();
        EXPECT_EQ(pictureNames(again.pictures()), expected);
    }
}

TEST(PictureImport, PagesFromPicturesAreOneUndoStep) {
    Folders folders;
    folders.addPage("Sala", "sala.png");
    folders.addPage("Patio", "patio.png");
    folders.addPage("pag1", "otra.png");
    writePng(folders.project.file("pag1.png"), 8, 6);
    writePng(folders.project.file("pag3.png"), 8, 6);
    writePng(folders.project.file("sala.png"), 80, 15);
    ProjectDocument document;
    document.replaceProject(std::move(folders.made));
    ASSERT_TRUE(document.showPageAt(0));
    auto pageNames = [&] { return joined(document.project().pageNames()); };
    auto firstRegion = [&] { return document.project().paginas[0]->regiones.at(0).coords; };
    document.addPicturePages({{"pag1.png", 8, 6}, {"pag3.png", 8, 6}, {"sala.png", 80, 15}}, true);
    EXPECT_EQ(pageNames(), "Sala,pag1 (2),pag3,Patio,pag1");
    EXPECT_EQ(document.shownIndex(), 1);
    EXPECT_EQ(firstRegion(), (Rect{20, 5, 60, 10}));
    EXPECT_EQ(document.project().paginas[0]->pictureWidth(), 80u);
    EXPECT_EQ(document.project().paginas[2]->pictureHeight(), 6u);
    ASSERT_TRUE(document.undo());
    EXPECT_EQ(pageNames(), "Sala,Patio,pag1");
    EXPECT_EQ(firstRegion(), (Rect{10, 10, 30, 20}));
    ASSERT_TRUE(document.redo());
    EXPECT_EQ(pageNames(), "Sala,pag1 (2),pag3,Patio,pag1");
}

// A page with no recorded size has nothing to compare.
TEST(PictureImport, PagesWhosePictureHasAnotherSizeThanRecorded) {
    Folders folders;
    for (const char* name : {"a", "b", "c", "d"})
        folders.addPage(name, std::string(name) + ".png");
    folders.made->paginas[2]->ancho = 0;
    writePng(folders.project.file("a.png"), 80, 60);
    writePng(folders.project.file("c.png"), 80, 60);
    writePng(folders.project.file("d.png"), 40, 60);  // only taller
    for (auto& page : folders.made->paginas)
        page->setImagen(page->ancho, page->alto, page->imagen, folders.made->archivo);
    EXPECT_EQ(pagesWithResizedPictures(*folders.made), (std::vector<size_t>{0, 3}));
}

// A file written over changes every page that shows it, as one step; a page
// whose picture keeps its size keeps its regions exactly as they were.
TEST(PictureImport, AFileWrittenOverReachesEveryPageThatShowsIt) {
    Folders folders;
    folders.addPage("A", "a.png");
    folders.addPage("B", "b.png");
    folders.addPage("C", "b.png");
    folders.made->paginas[2]->regiones[0].coords = Rect{30, 20, 10, 10};  // as a hand-edited file may hold it
    writePng(folders.exports.file("b.png"), 80, 60);
    EXPECT_EQ(joined(folders.choose({"b.png"}).pagesUsingConflicts(*folders.made, folders.made->paginas[0].get())),
              "B,C");
    writePng(folders.project.file("b.png"), 80, 60);
    ProjectDocument document;
    document.replaceProject(std::move(folders.made));
    ASSERT_TRUE(document.showPageAt(0));
    auto regions = [&] {
        std::string text;
        for (const auto& page : document.project().paginas) {
            const Rect& r = page->regiones.at(0).coords;
            text += page->imagen + ":" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                    std::to_string(r.right) + "," + std::to_string(r.bottom) + " ";
        }
        return text;
    };
    ASSERT_TRUE(document.replaceShownPicture("b.png", true));
    EXPECT_EQ(regions(), "b.png:20,20,60,40 b.png:20,20,60,40 b.png:20,20,60,40 ");
    ASSERT_TRUE(document.undo());
    EXPECT_EQ(regions(), "a.png:10,10,30,20 b.png:10,10,30,20 b.png:30,20,10,10 ");
    // The same size again: nothing to scale, nothing put in order.
    writePng(folders.project.file("b.png"), 40, 30);
    document.addPicturePages({{"b.png", 40, 30}}, true);
    EXPECT_EQ(regions(), "a.png:10,10,30,20 b.png:10,10,30,20 b.png:30,20,10,10 ");
    // Another project shows none of these pictures again: they are let go.
    document.project().paginas[0]->picture();
    EXPECT_GT(PictureCache::shared().bytesHeld(), 0u);
    document.replaceProject(std::make_unique<Proyecto>());
    EXPECT_EQ(PictureCache::shared().bytesHeld(), 0u);
}
