// "Exportar documentaci\xF3n..." from the file menu: the save dialog offers
// the project's name, the document and its pictures go where the user
// typed, and the question at the end, answered No, opens nothing.
#include "tests/gui/GuiTest.h"

#include <memory>

#include "model/ProjectFile.h"
#include "model/Proyecto.h"
#include "ui/win32/MainWindow.h"

GUI_TEST(Handover, TheDocumentIsWrittenWhereTyped) {
    TempFolder folder;
    Proyecto project;
    project.instalacion = "Casa";
    project.archivo = folder.path("casa.xml");
    writeTestPicture(folder.path("salon.png"), 120, 80);
    auto page = std::make_unique<Pagina>();
    page->nombre = "Sal\xF3n";
    page->setImagen(120, 80, "salon.png", project.archivo);
    page->addRegion(Region{Rect{10, 10, 60, 40}, Comando{"Living", "luz1", "", "wifi", ""}});
    project.addPage(std::move(page));
    writeProjectFile(project);

    auto window = createMainWindow();
    std::string offered;
    Answerer answerer;
    answerer.on("Abrir archivo").typeFileName(project.archivo).click(IDOK);
    answerer.on("Exportar documentaci\xF3n")
        .run([&offered](HWND dialog) {
            char text[256] = "";
            HWND box = GetDlgItem(dialog, 0x480) ? GetDlgItem(dialog, 0x480) : GetDlgItem(dialog, 0x47C);
            GetWindowTextA(box, text, sizeof text);
            offered = text;
        })
        .typeFileName(folder.path("entrega"))
        .click(IDOK);
    answerer.on("ATENCI\xD3N").click(IDNO);
    answerer.start();
    sendCommand(window->hwnd(), ID_ABRIR_PROYECTO);
    pumpFor(100);
    GUI_CHECK(menuItemEnabled(window->hwnd(), ID_EXPORTAR_DOCUMENTACION));
    sendCommand(window->hwnd(), ID_EXPORTAR_DOCUMENTACION);
    GUI_REQUIRE(answerer.finish());
    GUI_CHECK_EQ(offered, std::string("casa.html"));
    GUI_CHECK(readFileBytes(folder.path("entrega.html")).find("<img src=\"entrega_archivos/pagina-001.png\"") !=
              std::string::npos);
    GUI_CHECK_EQ(readFileBytes(folder.path("entrega_archivos\\pagina-001.png")), readFileBytes(folder.path("salon.png")));
}
