#include "ui/win32/Toolbar.h"

#include "app/Application.h"
#include "resources/resource.h"
#include "ui/WindowLayout.h"

void Toolbar::useIconsFor(UINT dpi) {
    const int size = toolbarIconSize(dpi);
    if (!hwnd || size == iconSize)
        return;
    const int strip = size == 32 ? IDB_TOOLBAR32 : size == 24 ? IDB_TOOLBAR24 : IDB_TOOLBAR;
    HIMAGELIST list = ImageList_LoadImageA(instanceHandle, MAKEINTRESOURCEA(strip), size, 0, CLR_NONE,
                                           IMAGE_BITMAP, LR_DEFAULTCOLOR);
    if (!list)
        return;
    SendMessageA(hwnd, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list));
    // The list the bar made from its bitmap is the bar's to destroy; ours is ours.
    if (icons)
        ImageList_Destroy(icons);
    icons = list;
    iconSize = size;
    // The margins around the icon are those the bar gives 16-pixel ones.
    SendMessageA(hwnd, TB_SETBITMAPSIZE, 0, MAKELPARAM(size, size));
    SendMessageA(hwnd, TB_SETBUTTONSIZE, 0, MAKELPARAM(size + 7, size + 6));
    SendMessageA(hwnd, TB_AUTOSIZE, 0, 0);
}

Toolbar::~Toolbar() {
    if (icons)
        ImageList_Destroy(icons);
}
