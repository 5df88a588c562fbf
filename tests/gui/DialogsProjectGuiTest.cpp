// The project dialog: installation name and start page.
#include "tests/gui/DialogsGuiTest.h"

#include "ui/win32/ProyectoDlg.h"

namespace {

struct ProjectShown {
    std::string instalacion;
    std::vector<std::string> pages;
    int selected = -2;
    int focus = 0;
};

std::function<void(HWND)> recordShown(ProjectShown& shown) {
    return [&shown](HWND d) {
        shown.instalacion = controlText(d, IDC_PROYECTO_INSTALACION);
        shown.pages = listEntries(d, IDC_PROYECTO_PAGINAS);
        shown.selected = listSelection(d, IDC_PROYECTO_PAGINAS);
        shown.focus = focusedControl(d);
    };
}

std::function<void(HWND)> selectPage(int entry) {
    return [entry](HWND d) { SendDlgItemMessageA(d, IDC_PROYECTO_PAGINAS, LB_SETCURSEL, entry, 0); };
}

}  // namespace

GUI_TEST(DialogsProyecto, MissingStartPageShowsTheFirstAndNameIsRequired) {
    const std::vector<std::string> pages{"Inicio", "Luces", "Inicio"};
    ProyectoDlg dialog(nullptr, "", "Borrada", &pages);

    ProjectShown shown;
    Refusal noName;
    Answerer answerer;
    answerer.on(kProyectoTitle).run(recordShown(shown)).type(IDC_PROYECTO_INSTALACION, " \t").click(IDOK);
    answerRefusal(answerer, kProyectoTitle, noName, IDC_PROYECTO_INSTALACION);
    answerer.on(kProyectoTitle).type(IDC_PROYECTO_INSTALACION, "  Casa de campo ").run(selectPage(1)).click(IDOK);
    answerer.start();
    INT_PTR result = dialog.runModal();
    GUI_REQUIRE(answerer.finish());

    GUI_CHECK(shown.pages == pages);
    GUI_CHECK_EQ(shown.selected, 0);
    GUI_CHECK_EQ(shown.focus, IDC_PROYECTO_INSTALACION);
    GUI_CHECK_EQ(noName.text, std::string("Se debe definir el nombre de la instalacion"));
    GUI_CHECK_EQ(noName.focusAfter, IDC_PROYECTO_INSTALACION);
    GUI_CHECK(noName.ownedByDialog && noName.onlyOk && noName.dialogStillOpen);
    GUI_REQUIRE(result == IDOK);
    GUI_CHECK_EQ(dialog.instalacion, std::string("Casa de campo"));
    GUI_CHECK_EQ(dialog.paginaInicial, std::string("Luces"));
}

GUI_TEST(DialogsProyecto, LaterPageOfTheSameNameIsSelected) {
    const std::vector<std::string> pages{"Inicio", "Luces", "Inicio"};
    ProyectoDlg dialog(nullptr, "Casa", "Inicio", &pages);

    ProjectShown shown;
    Answerer answerer;
    answerer.on(kProyectoTitle).run(recordShown(shown)).click(IDOK);
    answerer.start();
    INT_PTR result = dialog.runModal();
    GUI_REQUIRE(answerer.finish());

    GUI_CHECK_EQ(shown.instalacion, std::string("Casa"));
    GUI_CHECK_EQ(shown.selected, 2);
    GUI_REQUIRE(result == IDOK);
    GUI_CHECK_EQ(dialog.paginaInicial, std::string("Inicio"));
}

GUI_TEST(DialogsProyecto, NewProjectHasNoPagesAndKeepsNoStartPage) {
    ProyectoDlg dialog(nullptr, "", "", nullptr);

    ProjectShown shown;
    Answerer answerer;
    answerer.on(kProyectoTitle).run(recordShown(shown)).type(IDC_PROYECTO_INSTALACION, "Casa").click(IDOK);
    answerer.start();
    INT_PTR result = dialog.runModal();
    GUI_REQUIRE(answerer.finish());

    GUI_CHECK(shown.pages.empty());
    GUI_CHECK_EQ(shown.selected, -1);
    GUI_REQUIRE(result == IDOK);
    GUI_CHECK_EQ(dialog.instalacion, std::string("Casa"));
    GUI_CHECK_EQ(dialog.paginaInicial, std::string(""));
}
