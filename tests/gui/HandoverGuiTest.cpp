// "Exportar documentaci\xF3n..." from the file menu: the save dialog offers
// the project's name, the document goes where the user typed, and the
// question at the end, answered No, opens nothing.
#include "tests/gui/GuiTest.h"

#include <memory>

#include "model/ProjectFile.h"
#include "model/Proyecto.h"
#include "ui/win32/MainWindow.h"

GUI_TEST(Handover, TheDocumentIsWrittenWhereTyped) {
    TempFolder folder;
    Proyecto project;
    project.archivo = folder.path("casa.xml");
    project.addPage(std::make_unique<Pagina>());
    project.paginas[0]->nombre = "Sal\xF3n";
    project.paginas[0]->setImagen(120, 80, "falta.png", project.archivo);
    writeProjectFile(project);
    auto window = createMainWindow();
    std::string offered;
    Answerer answerer;
    answerer.on("Abrir archivo").typeFileName(project.archivo).click(IDOK);
    answerer.on("Exportar documentaci\xF3n")
        .run([&offered](HWND dialog) {
            char text[256] = "";
            GetWindowTextA(GetDlgItem(dialog, 0x480) ? GetDlgItem(dialog, 0x480) : GetDlgItem(dialog, 0x47C), text,
                           sizeof text);
            offered = text;
        })
        .typeFileName(folder.path("entrega"))
        .click(IDOK);
    answerer.on("ATENCI\xD3N").click(IDNO);
    answerer.start();
    sendCommand(window->hwnd(), ID_ABRIR_PROYECTO);
    GUI_CHECK(menuItemEnabled(window->hwnd(), ID_EXPORTAR_DOCUMENTACION));
    sendCommand(window->hwnd(), ID_EXPORTAR_DOCUMENTACION);
    GUI_REQUIRE(answerer.finish());
    GUI_CHECK_EQ(offered, std::string("casa.html"));
    GUI_CHECK(readFileBytes(folder.path("entrega.html")).find("Sal\xC3\xB3n") != std::string::npos);
}
