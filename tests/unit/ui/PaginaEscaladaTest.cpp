#include <gtest/gtest.h>

#include <FreeImage.h>

#include "ui/PaginaEscalada.h"
#include "support/PngFile.h"
#include "support/TempFolder.h"

namespace {

Region region(int32_t left, int32_t top, int32_t right, int32_t bottom, const std::string& codigo = "") {
    Region r;
    r.coords = Rect{left, top, right, bottom};
    r.comando.codigo = codigo;
    return r;
}

class PaginaEscaladaTest : public ::testing::Test {
protected:
    // A page showing a real picture of the given size.
    void showPicture(int width, int height) {
        std::string path = folder.file("p.png");
        ASSERT_TRUE(writePng(path, width, height, 24));
        page.setImagen(400, 200, path);
        ASSERT_EQ(static_cast<unsigned>(width), page.pictureWidth());
    }
    TempFolder folder;
    Pagina page;
};

}  // namespace

TEST_F(PaginaEscaladaTest, ScaleOneKeepsSizeAndRectanglesButCopiesThePicture) {
    showPicture(640, 480);
    page.addRegion(region(10, 20, 300, 400, "a"));
    PaginaEscalada view(page, 1.0);
    ASSERT_NE(nullptr, view.picture().bitmap());
    EXPECT_EQ(640u, view.picture().width());
    EXPECT_EQ(480u, view.picture().height());
    EXPECT_NE(page.picture()->bitmap(), view.picture().bitmap());
    ASSERT_EQ(1u, view.regions().size());
    EXPECT_EQ(page.regiones[0], view.regions()[0]);
}

TEST_F(PaginaEscaladaTest, HalfScaleTruncatesThePictureSize) {
    showPicture(1001, 600);
    PaginaEscalada view(page, 0.5);
    EXPECT_EQ(500u, view.picture().width());
    EXPECT_EQ(300u, view.picture().height());
    EXPECT_EQ(24u, FreeImage_GetBPP(view.picture().bitmap()));
}

TEST_F(PaginaEscaladaTest, BlankPictureIsRescaledToo) {
    page.setImagen(400, 200, folder.file("missing.png"));
    PaginaEscalada view(page, 0.5);
    EXPECT_EQ(200u, view.picture().width());
    EXPECT_EQ(100u, view.picture().height());
}

TEST_F(PaginaEscaladaTest, PageWithoutPictureGivesViewWithoutPicture) {
    page.setImagen(0, 0, folder.file("missing.png"));
    page.addRegion(region(1, 2, 3, 4));
    PaginaEscalada view(page, 0.5);
    EXPECT_EQ(nullptr, view.picture().bitmap());
    EXPECT_EQ(1u, view.regions().size());
}

TEST_F(PaginaEscaladaTest, HalfScaleRoundTripOfARegion) {
    page.setImagen(400, 200, folder.file("missing.png"));
    page.addRegion(region(101, 50, 300, 151, "luz"));
    PaginaEscalada view(page, 0.5);
    EXPECT_EQ(Rect({51, 25, 150, 76}), view.regions()[0].coords);
    EXPECT_EQ("luz", view.regions()[0].comando.codigo);

    // Written back unchanged, no edge moved: the finer stored values stay.
    view.setRegionCoords(0, view.regions()[0].coords);
    EXPECT_EQ(Rect({101, 50, 300, 151}), page.regiones[0].coords);
    EXPECT_EQ("luz", page.regiones[0].comando.codigo);
    view.setRegionCoords(0, Rect{51, 25, 152, 76});  // only the right edge, by two
    EXPECT_EQ(Rect({101, 50, 304, 151}), page.regiones[0].coords);
}

TEST_F(PaginaEscaladaTest, NegativeValuesTruncateTowardZero) {
    page.setImagen(400, 200, folder.file("missing.png"));
    PaginaEscalada view(page, 0.5);
    EXPECT_EQ(-1, view.toPicture(-1));  // -1.5 gives -1, not -2
    EXPECT_EQ(0, view.toCanvas(-1));    // -0.5 + 0.5 = 0
    EXPECT_EQ(-2, view.toCanvas(-5));   // -2.5 + 0.5 = -2
    EXPECT_EQ(INT32_MAX, view.toPicture(INT32_MAX));
    EXPECT_EQ(INT32_MIN, view.toPicture(INT32_MIN));
}

TEST_F(PaginaEscaladaTest, AddRegionWritesPicturePixelsToThePage) {
    page.setImagen(400, 200, folder.file("missing.png"));
    PaginaEscalada view(page, 0.5);
    view.addRegion(region(10, 11, 20, 21, "x"));
    ASSERT_EQ(1u, page.regiones.size());
    EXPECT_EQ(Rect({10, 11, 20, 21}), view.regions()[0].coords);
    EXPECT_EQ(Rect({20, 22, 40, 42}), page.regiones[0].coords);
    EXPECT_EQ("x", page.regiones[0].comando.codigo);
}

TEST_F(PaginaEscaladaTest, SetRegionCommandLeavesRectanglesAlone) {
    page.setImagen(400, 200, folder.file("missing.png"));
    page.addRegion(region(101, 50, 300, 151));
    PaginaEscalada view(page, 0.5);
    Comando jump;
    jump.pagina = "/back";
    view.setRegionCommand(0, jump);
    EXPECT_EQ(jump, page.regiones[0].comando);
    EXPECT_EQ(jump, view.regions()[0].comando);
    EXPECT_EQ(Rect({101, 50, 300, 151}), page.regiones[0].coords);
}

TEST_F(PaginaEscaladaTest, RemoveFirstOfThreeShiftsBothLists) {
    page.setImagen(400, 200, folder.file("missing.png"));
    page.addRegion(region(0, 0, 10, 10, "a"));
    page.addRegion(region(20, 20, 30, 30, "b"));
    page.addRegion(region(40, 40, 50, 50, "c"));
    PaginaEscalada view(page, 0.5);
    view.removeRegion(0);
    ASSERT_EQ(2u, page.regiones.size());
    ASSERT_EQ(2u, view.regions().size());
    EXPECT_EQ("b", page.regiones[0].comando.codigo);
    EXPECT_EQ("b", view.regions()[0].comando.codigo);
    EXPECT_EQ(Rect({10, 10, 15, 15}), view.regions()[0].coords);
    EXPECT_EQ("c", page.regiones[1].comando.codigo);
}
