// The edit modes of the page canvas. In NORMAL the mouse draws, moves and
// resizes regions; in the other seven a click lines a region up with the
// selected one or gives it the selected one's height, width or both.
// Portable: no windowing system.
#pragma once

#include "base/resource.h"

enum class ModoEdicion {
    NORMAL = 0,
    ALINEARSUP = 1,
    ALINEARINF = 2,
    ALINEARIZQ = 3,
    ALINEARDER = 4,
    IGUALARALTO = 5,
    IGUALARANCHO = 6,
    IGUALARTAMANNO = 7,
};

const int kModeCount = 8;

// What belongs to each mode: its command id (menu item and toolbar button),
// the text the window title shows, the cursor resource shown over a target
// region (0 for NORMAL, whose pointer follows the drag zone), the button's
// picture in the toolbar strip and its tooltip.
struct ModeInfo {
    ModoEdicion mode;
    int commandId;
    const char* titleText;
    int cursorResource;
    int toolbarImage;
    const char* tooltipText;
};

// In the order of the "Editar" menu, which is also the order of the values
// and of the toolbar's mode buttons.
inline const ModeInfo& modeInfo(ModoEdicion mode) {
    static const ModeInfo table[kModeCount] = {
        {ModoEdicion::NORMAL, ID_MODO_NORMAL, "modo normal", 0, 15, "normal"},
        {ModoEdicion::ALINEARSUP, ID_MODO_ALINEARSUP, "alineando borde superior", IDC_CUR_ALINEARSUP, 9,
         "alinear sup."},
        {ModoEdicion::ALINEARINF, ID_MODO_ALINEARINF, "alineando borde inferior", IDC_CUR_ALINEARINF, 8,
         "alinear inf."},
        {ModoEdicion::ALINEARIZQ, ID_MODO_ALINEARIZQ, "alineando borde izquierdo", IDC_CUR_ALINEARIZQ, 10,
         "alinear izq."},
        {ModoEdicion::ALINEARDER, ID_MODO_ALINEARDER, "alineando borde derecho", IDC_CUR_ALINEARDER, 11,
         "alinear der."},
        {ModoEdicion::IGUALARALTO, ID_MODO_IGUALARALTO, "igualando altura", IDC_CUR_IGUALARALTO, 12,
         "igualar altura"},
        {ModoEdicion::IGUALARANCHO, ID_MODO_IGUALARANCHO, "igualando ancho", IDC_CUR_IGUALARANCHO, 13,
         "igualar ancho"},
        {ModoEdicion::IGUALARTAMANNO, ID_MODO_IGUALARTAMANNO, "igualando tama\xF1o", IDC_CUR_IGUALARTAMANNO, 14,
         "igualar tama\xF1o"},
    };
    int index = static_cast<int>(mode);
    return table[index >= 0 && index < kModeCount ? index : 0];
}

inline ModoEdicion modeAt(int index) {
    return static_cast<ModoEdicion>(index);
}

// The mode chosen by a command id; false when the id chooses no mode.
inline bool modeForCommand(int commandId, ModoEdicion& mode) {
    for (int i = 0; i < kModeCount; ++i) {
        if (modeInfo(modeAt(i)).commandId == commandId) {
            mode = modeAt(i);
            return true;
        }
    }
    return false;
}
