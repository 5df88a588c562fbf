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
#include "model/Proyecto.h"
#include "model/RegionScale.h"
#include "tests/unit/support/PngFile.h"
#include "tests/unit/support/TempFolder.h"
#include "ui/PictureImport.h"
#include "ui/ProjectDocument.h"

namespace {

std::string names(const std::vector<std::string>& list) {
    std::string text;
    for (const std::string& name : list)
        text += (text.empty() ? "" : ",") + name;
    return text;
}

std::string pictureNames(const std::vector<PictureFile>& pictures) {
    std::vector<std::string> list;
    for (const PictureFile& picture : pictures)
        list.push_back(picture.name + "=" + std::to_string(picture.width) + "x" + std::to_string(picture.height));
    return names(list);
}

std::string regionOf(const Pagina& page) {
    const Rect& r = page.regiones.at(0).coords;
    return "[" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + "]";
}

// A project saved as project.xml in its own folder, and a folder of exports.
struct Folders {
    TempFolder project;
    TempFolder exports;
    std::unique_ptr<Proyecto> made = std::make_unique<Proyecto>();

    Folders() {
        made->instalacion = "Casa";
        made->archivo = project.file("proyecto.xml");
    }
    void addPage(const std::string& nombre, const std::string& imagen, int width, int height) {
        writePng(project.file(imagen), width, height);
        auto page = std::make_unique<Pagina>();
        page->nombre = nombre;
        page->setImagen(width, height, imagen, made->archivo);
        page->addRegion(Region{Rect{10, 10, 30, 20}, Comando()});
        made->addPage(std::move(page));
    }
};

}  // namespace

TEST(PictureImport, NaturalOrderOfNames) {
    struct Case {
        const char* a;
        const char* b;
        bool less;
    } cases[] = {
        {"pag2.png", "pag10.png", true},   {"pag10.png", "pag2.png", false}, {"Pag1.png", "pag2.png", true},
        {"pag02.png", "pag3.png", true},   {"a.png", "B.png", true},         {"\xE1rbol", "\xC1rbol2", true},
        {"pag1", "pag1.png", true},        {"x99999999999999999999", "x100000000000000000000", true},
        {"A.png", "a.png", true},          {"a.png", "a.png", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(naturalLess(c.a, c.b), c.less) << c.a << " < " << c.b;
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
        {{999, 999, 1000, 1000}, 1000, 1000, 10, 10, {9, 9, 10, 10}},
        {{1, 2, 3, 4}, 0, 100, 50, 50, {1, 2, 3, 4}},                // no size: as it was
    };
    for (const Case& c : cases)
        EXPECT_EQ(scaledRect(c.from, c.fromW, c.fromH, c.toW, c.toH), c.expected) << c.from.left << "," << c.from.top;
}

TEST(PictureImport, RefusesWhatCannotBeAPageAndAsksBeforeReplacing) {
    Folders folders;
    folders.addPage("Sala", "sala.png", 40, 30);
    writePng(folders.exports.file("pag10.png"), 20, 10);
    writePng(folders.exports.file("pag2.png"), 8, 6);
    writePng(folders.exports.file("sala.png"), 80, 60);  // re-exported at double size
    std::ofstream(folders.exports.file("notas.png")) << "not a picture";
    writePng(folders.project.file("pag2.png"), 5, 5);  // another file of that name
    PictureImport import({folders.exports.file("pag10.png"), folders.exports.file("pag2.png"),
                          folders.exports.file("sala.png"), folders.exports.file("notas.png"),
                          folders.exports.file("ausente.png"), folders.exports.file("CON.png")},
                         *folders.made, FileAccess::current());
    EXPECT_EQ(names(import.refusals()),
              "ausente.png: no es una imagen PNG que el programa pueda usar,"
              "CON.png: nombre de archivo no admitido,"
              "notas.png: no es una imagen PNG que el programa pueda usar");
    EXPECT_EQ(names(import.conflictingNames()), "pag2.png,sala.png");
    import.setConflictAnswer(ReplaceAnswer::Replace);
    EXPECT_EQ(names(import.resizedPages(*folders.made)), "Sala");
    // A file that goes away before it is copied is refused then.
    std::remove(folders.exports.file("pag10.png").c_str());
    import.copy();
    EXPECT_EQ(import.refusals().back(), "pag10.png: no se pudo copiar junto al proyecto");
    EXPECT_EQ(pictureNames(import.pictures()), "pag2.png=8x6,sala.png=80x60");

    writePng(folders.exports.file("pag2.png"), 9, 9);
    PictureImport kept({folders.exports.file("pag2.png")}, *folders.made, FileAccess::current());
    kept.setConflictAnswer(ReplaceAnswer::Keep);
    kept.copy();
    EXPECT_EQ(pictureNames(kept.pictures()), "pag2.png=8x6");
    PictureImport stopped({folders.exports.file("pag2.png")}, *folders.made, FileAccess::current());
    stopped.setConflictAnswer(ReplaceAnswer::Stop);
    EXPECT_TRUE(stopped.pictures().empty());
}

TEST(PictureImport, PagesFromPicturesAreOneUndoStep) {
    Folders folders;
    folders.addPage("Sala", "sala.png", 40, 30);
    folders.addPage("Patio", "patio.png", 40, 30);
    folders.addPage("pag1", "otra.png", 40, 30);
    writePng(folders.project.file("pag1.png"), 8, 6);
    writePng(folders.project.file("pag3.png"), 8, 6);
    writePng(folders.project.file("sala.png"), 80, 15);
    ProjectDocument document;
    document.replaceProject(std::move(folders.made));
    ASSERT_TRUE(document.showPageAt(0));
    document.addPicturePages({{"pag1.png", 8, 6}, {"pag3.png", 8, 6}, {"sala.png", 80, 15}}, true);
    EXPECT_EQ(names(document.project().pageNames()), "Sala,pag1 (2),pag3,Patio,pag1");
    EXPECT_EQ(document.shownIndex(), 1);
    const Pagina& updated = *document.project().paginas[0];
    EXPECT_EQ(regionOf(updated), "[20,5,60,10]");
    EXPECT_EQ(updated.pictureWidth(), 80u);
    EXPECT_EQ(document.project().paginas[2]->pictureHeight(), 6u);
    ASSERT_TRUE(document.undo());
    EXPECT_EQ(names(document.project().pageNames()), "Sala,Patio,pag1");
    EXPECT_EQ(regionOf(*document.project().paginas[0]), "[10,10,30,20]");
    ASSERT_TRUE(document.redo());
    EXPECT_EQ(names(document.project().pageNames()), "Sala,pag1 (2),pag3,Patio,pag1");
}

// A page with no recorded size has nothing to compare.
TEST(PictureImport, PagesWhosePictureHasAnotherSizeThanRecorded) {
    Folders folders;
    for (const char* name : {"a", "b", "c"})
        folders.addPage(name, std::string(name) + ".png", 40, 30);
    folders.made->paginas[2]->ancho = 0;
    writePng(folders.project.file("a.png"), 80, 60);
    writePng(folders.project.file("c.png"), 80, 60);
    for (auto& page : folders.made->paginas)
        page->setImagen(page->ancho, page->alto, page->imagen, folders.made->archivo);
    EXPECT_EQ(pagesWithResizedPictures(*folders.made), std::vector<size_t>{0});
}
