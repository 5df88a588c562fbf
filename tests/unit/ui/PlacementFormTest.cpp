// The typed box of the selection: what the dialog shows, what it refuses
// (with the field to focus) and where the selection goes.
#include <gtest/gtest.h>

#include <string>

#include "base/resource.h"
#include "ui/PlacementForm.h"

TEST(PlacementForm, ShowsTheBoxAsLeftTopWidthAndHeight) {
    const PlacementForm form(Rect{10, 20, 110, 70}, 1, 800, 600);
    EXPECT_EQ(form.text(IDC_POSICION_IZQUIERDA) + " " + form.text(IDC_POSICION_ARRIBA) + " " +
                  form.text(IDC_POSICION_ANCHO) + " " + form.text(IDC_POSICION_ALTO),
              "10 20 100 50");
}

// A region alone on an 800 x 600 page, then a group whose box is 100 x 50.
TEST(PlacementForm, ChecksTheValuesAgainstThePage) {
    const struct {
        size_t count;
        const char *left, *top, *width, *height;
        int focus;  // 0: accepted
        Rect placed;
    } rows[] = {
        {1, " 5 ", "6", "30", "40", 0, Rect{5, 6, 35, 46}},
        {1, "0", "0", "800", "600", 0, Rect{0, 0, 800, 600}},
        {1, "x", "6", "30", "40", IDC_POSICION_IZQUIERDA, {}},
        {1, "5", "", "30", "40", IDC_POSICION_ARRIBA, {}},
        {1, "5", "6", "3.5", "40", IDC_POSICION_ANCHO, {}},
        {1, "-1", "6", "30", "40", IDC_POSICION_IZQUIERDA, {}},
        {1, "800", "6", "30", "40", IDC_POSICION_IZQUIERDA, {}},
        {1, "790", "6", "30", "40", IDC_POSICION_ANCHO, {}},
        {1, "5", "6", "0", "40", IDC_POSICION_ANCHO, {}},
        {1, "5", "590", "30", "40", IDC_POSICION_ALTO, {}},
        {2, "700", "550", "", "", 0, Rect{700, 550, 800, 600}},
        {2, "701", "550", "1", "1", IDC_POSICION_IZQUIERDA, {}},
        {2, "0", "551", "", "", IDC_POSICION_ARRIBA, {}},
    };
    for (const auto& row : rows) {
        PlacementForm form(Rect{10, 20, 110, 70}, row.count, 800, 600);
        const FormCheck check = form.accept(row.left, row.top, row.width, row.height);
        const std::string name = std::string(row.left) + "," + row.top + "," + row.width + "," + row.height;
        EXPECT_EQ(check.accepted, row.focus == 0) << name;
        EXPECT_EQ(check.focusControl, row.focus) << name;
        EXPECT_EQ(check.message.empty(), row.focus == 0) << name;
        if (row.focus == 0) {
            EXPECT_EQ(form.box(), row.placed) << name;
        }
    }
}
