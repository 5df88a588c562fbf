// Buttons of a page picture as regions: which found buttons count as new,
// the remembered sensitivity, and the canvas's double-click.
#include <gtest/gtest.h>

#include <fstream>

#include "base/resource.h"
#include "model/ButtonPageMaker.h"
#include "model/Pagina.h"
#include "model/Settings.h"
#include "tests/unit/support/ButtonPagePng.h"
#include "tests/unit/support/TempFolder.h"
#include "ui/ButtonDetection.h"
#include "ui/CanvasEditor.h"

namespace {

// A page showing a generated picture of 2 x 2 flat buttons.
struct ButtonPageScene {
    ButtonPageScene() {
        std::ofstream(folder.file("botones.png"), std::ios::binary) << rgbPng(made.picture);
        page.nombre = "Inicio";
        page.setImagen(260, 220, folder.file("botones.png"));
    }
    Rect centreOf(size_t i) const {
        const Rect& b = made.buttons.at(i);
        return Rect{(b.left + b.right) / 2, (b.top + b.bottom) / 2, 0, 0};
    }

    TempFolder folder;
    ButtonPage made = ButtonPageMaker({PageBackground::Plain, ButtonStyle::Flat}, 7).make(260, 220, 2, 2);
    Pagina page;
    MemorySettings settings;
};

}  // namespace

TEST(ButtonDetection, AButtonHalfCoveredByARegionIsNotNew) {
    ButtonPageScene scene;
    const Rect first = scene.made.buttons[0];
    const int32_t width = first.right - first.left;
    const struct {
        Rect region;
        size_t expectedNew;
    } rows[] = {
        {first, 3},
        {Rect{first.right, first.bottom, first.left, first.top}, 3},  // corners the other way round
        {Rect{first.left, first.top, first.left + width / 2, first.bottom}, 3},
        {Rect{first.left, first.top, first.left + width / 3, first.bottom}, 4},
    };
    for (const auto& row : rows) {
        scene.page.regiones = {Region{row.region, Comando()}};
        EXPECT_EQ(ButtonDetection(scene.settings).newButtons(scene.page).size(), row.expectedNew);
    }
}

TEST(ButtonDetection, TheSensitivityIsRememberedAndMediumWithoutAChoice) {
    MemorySettings settings;
    EXPECT_EQ(ButtonDetection(settings).sensitivity(), ButtonSensitivity::Medium);
    ButtonDetection(settings).setSensitivity(ButtonSensitivity::High);
    EXPECT_EQ(ButtonDetection(settings).sensitivity(), ButtonSensitivity::High);
    settings.writeNumber(setting::kSensibilidadBotones, 7);
    EXPECT_EQ(ButtonDetection(settings).sensitivity(), ButtonSensitivity::Medium);
}

TEST(CanvasDoubleClick, FitsARegionToTheButtonOrOpensTheRegionsDialog) {
    ButtonPageScene scene;
    int changes = 0;
    CanvasEditor canvas([] { return 0u; }, 250);
    canvas.setBeforeChange([&] { ++changes; });
    canvas.setPage(&scene.page, 1.0, {"Inicio"});
    const Rect point = scene.centreOf(1);
    canvas.leftDown(point.left, point.top, false);
    CanvasActions fitted = canvas.doubleClick(point.left, point.top);
    canvas.leftUp(point.left, point.top);
    ASSERT_EQ(scene.page.regiones.size(), 1u);
    EXPECT_EQ(scene.page.regiones[0].coords, scene.made.buttons[1]);
    EXPECT_EQ(scene.page.regiones[0].comando, Comando());
    EXPECT_EQ(canvas.selected(), 0);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(fitted.releaseCapture);  // the press's rubber band ends

    canvas.leftDown(point.left, point.top, false);
    EXPECT_EQ(canvas.doubleClick(point.left, point.top).commandDialog, 0);
    canvas.leftUp(point.left, point.top);

    canvas.leftDown(3, 3, false);
    EXPECT_TRUE(canvas.doubleClick(3, 3).nothingFitted);
    canvas.command(ID_MODO_ALINEARSUP);
    const Rect other = scene.centreOf(2);
    canvas.doubleClick(other.left, other.top);
    EXPECT_EQ(scene.page.regiones.size(), 1u);
    EXPECT_EQ(changes, 1);
}
