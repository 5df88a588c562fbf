#include "ui/win32/MainMenus.h"

#include "model/Proyecto.h"
#include "base/resource.h"
#include "ui/CommandTable.h"
#include "ui/ModoEdicion.h"
#include "ui/ProjectDocument.h"
#include "ui/RecentProjects.h"
#include "ui/win32/Toolbar.h"

namespace {

UINT enabledFlag(bool enabled) {
    return MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_DISABLED);
}

int menuPositionHolding(HMENU bar, int commandId) {
    for (int position = 0; position < GetMenuItemCount(bar); ++position) {
        HMENU menu = GetSubMenu(bar, position);
        if (menu && GetMenuState(menu, static_cast<UINT>(commandId), MF_BYCOMMAND) != static_cast<UINT>(-1))
            return position;
    }
    return -1;
}

void enableMenuHolding(HMENU bar, int commandId, bool enabled) {
    EnableMenuItem(bar, static_cast<UINT>(menuPositionHolding(bar, commandId)),
                   MF_BYPOSITION | (enabled ? MF_ENABLED : MF_DISABLED));
}

}  // namespace

HMENU menuHolding(HMENU bar, int commandId) {
    const int position = menuPositionHolding(bar, commandId);
    return position < 0 ? nullptr : GetSubMenu(bar, position);
}

void rebuildPageItems(HMENU bar, const ProjectDocument& document) {
    HMENU pageMenu = menuHolding(bar, ID_PAGINA_AGREGAR);
    for (int id = ID_PAGE_FIRST; DeleteMenu(pageMenu, id, MF_BYCOMMAND); ++id) {
    }
    const std::vector<std::string> names = document.project().pageNames();
    for (size_t i = 0; i < static_cast<size_t>(document.pageItemCount()); ++i) {
        const int id = ID_PAGE_FIRST + static_cast<int>(i);
        AppendMenuA(pageMenu, MF_STRING | (document.isChecked(id) ? MF_CHECKED : 0), id, names[i].c_str());
    }
}

void markPageItems(HMENU bar, const ProjectDocument& document) {
    HMENU pageMenu = menuHolding(bar, ID_PAGINA_AGREGAR);
    const int pageCount = document.pageItemCount();
    for (int id = ID_PAGE_FIRST; id < ID_PAGE_FIRST + pageCount; ++id)
        CheckMenuItem(pageMenu, id, MF_BYCOMMAND | (document.isChecked(id) ? MF_CHECKED : MF_UNCHECKED));
}

void rebuildRecentItems(HMENU bar, const std::vector<std::string>& paths) {
    HMENU fileMenu = menuHolding(bar, IDM_EXIT);
    for (int id = ID_RECIENTE_FIRST; id < ID_RECIENTE_FIRST + static_cast<int>(kRecentLimit); ++id)
        DeleteMenu(fileMenu, id, MF_BYCOMMAND);
    int exitPosition = GetMenuItemCount(fileMenu) - 1;
    while (exitPosition > 0 && GetMenuItemID(fileMenu, exitPosition) != IDM_EXIT)
        --exitPosition;
    const UINT at = static_cast<UINT>(exitPosition - 1);
    if (paths.empty())
        InsertMenuA(fileMenu, at, MF_BYPOSITION | MF_STRING | MF_GRAYED, ID_RECIENTE_FIRST, "(ninguno)");
    const std::vector<std::string> labels = recentMenuLabels(paths);
    for (size_t i = 0; i < labels.size(); ++i)
        InsertMenuA(fileMenu, at + static_cast<UINT>(i), MF_BYPOSITION | MF_STRING,
                    ID_RECIENTE_FIRST + static_cast<UINT_PTR>(i), labels[i].c_str());
}

void updateCommandStates(HMENU bar, const Toolbar& toolbar, const ProjectDocument& document) {
    enableMenuHolding(bar, ID_MODO_NORMAL, document.editMenuEnabled());
    enableMenuHolding(bar, ID_PAGINA_AGREGAR, document.pageMenuEnabled());
    enableMenuHolding(bar, ID_ORGANIZAR_IZQUIERDA, document.isEnabled(ID_ORGANIZAR_IZQUIERDA));
    for (const CommandRow& row : commandTable()) {
        if (row.count != 1)
            continue;
        const bool enabled = document.isEnabled(row.firstId);
        const bool offered = row.surfaces & kMenuAlwaysOffered ? !document.trial() : enabled;
        if (row.surfaces & kOnMenu)
            EnableMenuItem(bar, row.firstId, enabledFlag(offered));
        if (row.surfaces & kOnToolbar)
            toolbar.enable(row.firstId, enabled);
    }
}

void markModeItems(HMENU bar, const Toolbar& toolbar, const ProjectDocument& document) {
    HMENU editMenu = menuHolding(bar, ID_MODO_NORMAL);
    for (int i = 0; i < kModeCount; ++i) {
        const int mode = modeInfo(modeAt(i)).commandId;
        const bool checked = document.isChecked(mode);
        CheckMenuItem(editMenu, mode, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
        if (checked)
            toolbar.check(mode);
    }
}

void markSensitivityItems(HMENU bar, int checkedId) {
    CheckMenuRadioItem(menuHolding(bar, ID_DETECTAR_BOTONES), ID_SENSIBILIDAD_BAJA, ID_SENSIBILIDAD_ALTA,
                       static_cast<UINT>(checkedId), MF_BYCOMMAND);
}
