// Registration slots for the FreeImage formats whose libraries the Windows
// build leaves out (JPEG, TIFF, G3 fax, OpenEXR, JPEG 2000, camera RAW, WebP,
// JPEG XR). FreeImage numbers formats by registration order, so each slot
// still registers under its usual name, keeping FIF_PNG and the other ids
// where FreeImage.h says they are. No extension maps a file name to a slot
// (FreeImage reads every format's extension list, so it must not be null),
// and with no load procedure nothing is read.
#include "FreeImage.h"
#include "Plugin.h"

static const char* DLL_CALLCONV noExtensions() { return ""; }

#define QUENDA_ABSENT_FORMAT(init, name)                            \
    static const char* DLL_CALLCONV init##Format() { return name; } \
    void DLL_CALLCONV init(Plugin* plugin, int) {                   \
        plugin->format_proc = init##Format;                         \
        plugin->extension_proc = noExtensions;                      \
    }

QUENDA_ABSENT_FORMAT(InitJPEG, "JPEG")
QUENDA_ABSENT_FORMAT(InitTIFF, "TIFF")
QUENDA_ABSENT_FORMAT(InitG3, "G3")
QUENDA_ABSENT_FORMAT(InitEXR, "EXR")
QUENDA_ABSENT_FORMAT(InitJ2K, "J2K")
QUENDA_ABSENT_FORMAT(InitJP2, "JP2")
QUENDA_ABSENT_FORMAT(InitRAW, "RAW")
QUENDA_ABSENT_FORMAT(InitWEBP, "WebP")
QUENDA_ABSENT_FORMAT(InitJXR, "JPEG-XR")
