#include "ui/CommandTable.h"

#include "base/resource.h"
#include "ui/ModoEdicion.h"
#include "ui/ProjectEditor.h"
#include "ui/RecentProjects.h"

namespace {

using A = Availability;
using E = ProjectEditor;

const int kKeys = ID_KEY_DELETE - ID_KEY_LEFT + 1;
const int kShiftKeys = ID_KEY_SHIFT_DOWN - ID_KEY_SHIFT_LEFT + 1;
const int kArrangeItems = ID_ORGANIZAR_DISTRIBUIR_V - ID_ORGANIZAR_IZQUIERDA + 1;

// The edit modes go to the canvas; their texts come with the modes.
CommandRow modeRow(int index) {
    const ModeInfo& info = modeInfo(modeAt(index));
    return {info.commandId, 1, A::WithPages, false, kOnMenuAndToolbar, &E::passToCanvas, info.tooltipText};
}

std::vector<CommandRow> makeRows() {
    std::vector<CommandRow> rows = {
        {IDM_ABOUT, 1, A::Always, true, kOnMenu, &E::about},
        {IDM_EXIT, 1, A::Always, true, kOnMenu, &E::exit},
        {ID_NUEVO_PROYECTO, 1, A::Always, true, kOnMenuAndToolbar, &E::newProject, "nuevo proyecto"},
        {ID_ABRIR_PROYECTO, 1, A::Always, true, kOnMenuAndToolbar, &E::openProject, "abrir proyecto"},
        {ID_GUARDAR_PROYECTO, 1, A::NotBlank, true, kOnMenuAndToolbar, &E::saveProject, "guardar proyecto"},
        {ID_GUARDAR_COMO, 1, A::NotBlank, true, kOnMenu, &E::saveProjectAs},
        {ID_MODIFICAR_PROYECTO, 1, A::NotBlank, false, kOnMenu, &E::modifyProject},
        {ID_VERIFICAR_PROYECTO, 1, A::NotBlank, false, kOnMenu, &E::verifyProject},
        {ID_TRANSFERIR, 1, A::WithPages, true, kOnMenuAndToolbar, &E::transfer, "transferir a dispositivo"},
        {ID_TRANSFERIR_TCPIP, 1, A::Always, true, 0, &E::transferOverNetwork},
        {ID_RECIENTE_FIRST, static_cast<int>(kRecentLimit), A::Always, true, kOnMenu, &E::openRecent},
        {ID_KEY_LEFT, kKeys, A::Always, false, 0, &E::passToCanvas},
        {ID_DESHACER, 1, A::CanUndo, false, kOnMenu, &E::undo},
        {ID_REHACER, 1, A::CanRedo, false, kOnMenu, &E::redo},
        {ID_EDITAR_COPIAR, 1, A::Always, false, kOnMenu, &E::copyRegion},
        {ID_EDITAR_PEGAR, 1, A::PageShown, false, kOnMenu, &E::pasteRegion},
        {ID_PROBAR_MANDO, 1, A::WithPages, true, kOnMenu, &E::toggleTrial},
        {ID_PRUEBA_SALIR, 1, A::Always, true, 0, &E::escape},
        {ID_PRUEBA_ATRAS, 1, A::OnlyTrying, true, 0, &E::trialBack},
        {ID_PRUEBA_INICIO, 1, A::OnlyTrying, true, 0, &E::trialHome},
        {ID_PAGINA_AGREGAR, 1, A::NotBlank, false, kOnMenuAndToolbar | kMenuAlwaysOffered, &E::addPage,
         "agregar p\xE1gina"},
        {ID_PAGINA_ELIMINAR, 1, A::WithPages, false, kOnMenu, &E::deletePage},
        {ID_PAGINA_EDITAR, 1, A::WithPages, false, kOnMenu, &E::editPage},
        {ID_PAGINA_DUPLICAR, 1, A::WithPages, false, kOnMenu, &E::duplicatePage},
        {ID_PAGINA_AGREGAR_IMAGENES, 1, A::NotBlank, false, kOnMenu, &E::addPicturePages},
        {ID_PAGINA_REEMPLAZAR_IMAGEN, 1, A::WithPages, false, kOnMenu, &E::replacePicture},
        {ID_PAGE_FIRST, kPageItemLimit, A::ExistingPage, true, kOnMenu, &E::showPage},
        {ID_AYUDA, 1, A::Always, true, kOnMenu, &E::help},
        {ID_SELECCIONAR_TODO, 1, A::PageShown, false, kOnMenu, &E::passToCanvas},
        {ID_KEY_SHIFT_LEFT, kShiftKeys, A::Always, false, 0, &E::passToCanvas},
        // Greyed by the window while the selection is too small for them.
        {ID_ORGANIZAR_IZQUIERDA, kArrangeItems, A::PageShown, false, kOnMenu, &E::passToCanvas},
        {ID_AJUSTAR_GUIAS, 1, A::Always, false, kOnMenu, &E::toggleSnapping},
        {ID_VER_ETIQUETAS, 1, A::Always, true, kOnMenu, &E::toggleLabels},
        {ID_REEMPLAZAR_COMANDOS, 1, A::WithPages, false, kOnMenu, &E::replaceInCommands},
        {ID_POSICION_TAMANO, 1, A::PageShown, false, kOnMenu, &E::passToCanvas},
        {ID_COPIAR_A_PAGINAS, 1, A::WithPages, false, kOnMenu, &E::copyToPages},
        {ID_EXPORTAR_DOCUMENTACION, 1, A::WithPages, true, kOnMenu, &E::exportDocumentation},
        {ID_DETECTAR_BOTONES, 1, A::PageShown, false, kOnMenu, &E::detectButtons},
        {ID_SENSIBILIDAD_BAJA, ID_SENSIBILIDAD_ALTA - ID_SENSIBILIDAD_BAJA + 1, A::Always, false, kOnMenu,
         &E::chooseSensitivity},
        {ID_PAGINA_SUBIR, 1, A::PageBefore, false, kOnMenu, &E::movePageUp},
        {ID_PAGINA_BAJAR, 1, A::PageAfter, false, kOnMenu, &E::movePageDown},
        {ID_PAGINA_ANTERIOR, 1, A::WithPages, true, 0, &E::previousPage},
        {ID_PAGINA_SIGUIENTE, 1, A::WithPages, true, 0, &E::nextPage},
        {ID_VER_PANEL_PAGINAS, 1, A::Always, true, kOnMenu, &E::togglePagePane},
        {ID_VER_AJUSTAR, 1, A::PageShown, false, kOnMenu, &E::passToCanvas},
        {ID_VER_TAMANO_REAL, 1, A::PageShown, false, kOnMenu, &E::passToCanvas},
        {ID_VER_AMPLIAR, 1, A::PageShown, false, kOnMenu, &E::passToCanvas},
        {ID_VER_REDUCIR, 1, A::PageShown, false, kOnMenu, &E::passToCanvas},
    };
    for (int i = 0; i < kModeCount; ++i)
        rows.push_back(modeRow(i));
    return rows;
}

const std::vector<CommandRow> kRows = makeRows();

}  // namespace

const std::vector<CommandRow>& commandTable() {
    return kRows;
}

const CommandRow* commandRow(int commandId) {
    for (const CommandRow& row : kRows)
        if (commandId >= row.firstId && commandId < row.firstId + row.count)
            return &row;
    return nullptr;
}
