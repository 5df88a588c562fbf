// The edit modes of the page canvas. In NORMAL the mouse draws, moves and
// resizes regions; in the other seven a click lines a region up with the
// selected one or gives it the selected one's height, width or both.
// Portable: no windowing system.
#pragma once

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
// the text the window title shows and the cursor resource shown over a
// target region (0 for NORMAL, whose pointer follows the drag zone).
struct ModeInfo {
    ModoEdicion mode;
    int commandId;
    const char* titleText;
    int cursorResource;
};

// In the order of the "Editar" menu, which is also the order of the values.
inline const ModeInfo& modeInfo(ModoEdicion mode) {
    static const ModeInfo table[kModeCount] = {
        {ModoEdicion::NORMAL, 2814, "modo normal", 0},
        {ModoEdicion::ALINEARSUP, 2805, "alineando borde superior", 104},
        {ModoEdicion::ALINEARINF, 2806, "alineando borde inferior", 132},
        {ModoEdicion::ALINEARIZQ, 2807, "alineando borde izquierdo", 136},
        {ModoEdicion::ALINEARDER, 2813, "alineando borde derecho", 135},
        {ModoEdicion::IGUALARALTO, 2809, "igualando altura", 134},
        {ModoEdicion::IGUALARANCHO, 2810, "igualando ancho", 133},
        {ModoEdicion::IGUALARTAMANNO, 2812, "igualando tama\xF1o", 137},
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
