#include "ui/win32/Toolbar.h"

#include <commctrl.h>

#include <vector>

#include "win32/Application.h"
#include "base/resource.h"
#include "ui/CommandTable.h"
#include "ui/ModoEdicion.h"
#include "ui/WindowLayout.h"
#include "ui/win32/Dpi.h"

namespace {

TBBUTTON separator() {
    TBBUTTON button = {};
    button.fsStyle = TBSTYLE_SEP;
    return button;
}

TBBUTTON pushButton(int commandId, int image, BYTE style = TBSTYLE_BUTTON) {
    TBBUTTON button = {};
    button.iBitmap = image;
    button.idCommand = commandId;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = style;
    return button;
}

TBBUTTON modeButton(int commandId, int image) {
    return pushButton(commandId, image, TBSTYLE_CHECKGROUP);
}

}  // namespace

Toolbar::~Toolbar() {
    if (icons_)
        ImageList_Destroy(icons_);
}

void Toolbar::create(HWND parent) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    std::vector<TBBUTTON> buttons = {
        separator(),
        pushButton(ID_NUEVO_PROYECTO, 0),
        pushButton(ID_ABRIR_PROYECTO, 1),
        pushButton(ID_GUARDAR_PROYECTO, 2),
        pushButton(ID_TRANSFERIR, 16),
        separator(),
        pushButton(ID_PAGINA_AGREGAR, 17),
        separator(),
    };
    for (int i = 0; i < kModeCount; ++i) {
        const ModeInfo& info = modeInfo(modeAt(i));
        buttons.push_back(modeButton(info.commandId, info.toolbarImage));
    }
    // 16 images declared although the strip holds 18: the transfer and
    // add-page buttons use the last two all the same.
    hwnd_ = CreateToolbarEx(parent, WS_CHILD | WS_VISIBLE | WS_BORDER | TBSTYLE_TOOLTIPS, IDC_TOOLBAR, 16,
                           instanceHandle, IDB_TOOLBAR, buttons.data(), static_cast<int>(buttons.size()), 16, 16,
                           16, 16, sizeof(TBBUTTON));
    useIconsFor(windowDpi(parent));
}

int Toolbar::height() const {
    RECT r;
    if (!hwnd_ || !GetWindowRect(hwnd_, &r))
        return 0;
    return r.bottom - r.top;
}

void Toolbar::enable(int commandId, bool enabled) const {
    if (hwnd_)
        PostMessageA(hwnd_, TB_ENABLEBUTTON, commandId, enabled);
}

void Toolbar::check(int commandId) const {
    if (hwnd_)
        PostMessageA(hwnd_, TB_CHECKBUTTON, commandId, MAKELONG(TRUE, 0));
}

void Toolbar::useIconsFor(UINT dpi) {
    const int size = toolbarIconSize(dpi);
    if (!hwnd_ || size == iconSize_)
        return;
    const int strip = size == 32 ? IDB_TOOLBAR32 : size == 24 ? IDB_TOOLBAR24 : IDB_TOOLBAR;
    HIMAGELIST list = ImageList_LoadImageA(instanceHandle, MAKEINTRESOURCEA(strip), size, 0, CLR_NONE,
                                           IMAGE_BITMAP, LR_DEFAULTCOLOR);
    if (!list)
        return;
    SendMessageA(hwnd_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list));
    // The list the bar made from its bitmap is the bar's to destroy; ours is ours.
    if (icons_)
        ImageList_Destroy(icons_);
    icons_ = list;
    iconSize_ = size;
    // The margins around the icon are those the bar gives 16-pixel ones.
    SendMessageA(hwnd_, TB_SETBITMAPSIZE, 0, MAKELPARAM(size, size));
    SendMessageA(hwnd_, TB_SETBUTTONSIZE, 0, MAKELPARAM(size + 7, size + 6));
    SendMessageA(hwnd_, TB_AUTOSIZE, 0, 0);
}

bool Toolbar::answerTooltip(NMHDR* header) {
    if (!header || header->code != TTN_NEEDTEXTA)
        return false;
    NMTTDISPINFOA* info = reinterpret_cast<NMTTDISPINFOA*>(header);
    info->hinst = instanceHandle;
    info->lpszText = const_cast<char*>(tooltipText(static_cast<int>(header->idFrom)));
    return true;
}

const char* Toolbar::tooltipText(int commandId) {
    const CommandRow* row = commandRow(commandId);
    return row && row->tooltip ? row->tooltip : "?";
}
