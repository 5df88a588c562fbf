// Writes a sample project into a folder: one page with a drawn picture of a
// living-room remote and four regions bound to commands. Used for the
// screenshot of the editor (tools/screenshot.sh).
//   makesample <folder>   -> <folder>/muestra.xml and <folder>/salon.png
#include <FreeImage.h>

#include <cstdio>
#include <memory>
#include <string>
#include <unistd.h>

#include "model/FileAccess.h"
#include "model/ProjectFile.h"
#include "model/Proyecto.h"

namespace {

const int kWidth = 480;
const int kHeight = 400;

struct Button {
    Rect rect;
    const char* sector;
    const char* codigo;
    const char* pagina;
};

const Button kButtons[] = {
    {{30, 40, 220, 140}, "Living", "luz1", ""},
    {{260, 40, 450, 140}, "Living", "persiana", ""},
    {{30, 180, 220, 280}, "Cocina", "luz2", ""},
    {{260, 180, 450, 280}, "", "", "Luces"},
};

bool inside(const Rect& r, int x, int y) {
    return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
}

// A dark panel with lighter buttons where the regions go.
void paint(FIBITMAP* bitmap) {
    for (int y = 0; y < kHeight; ++y) {
        // FreeImage rows are bottom-up.
        BYTE* row = FreeImage_GetScanLine(bitmap, kHeight - 1 - y);
        for (int x = 0; x < kWidth; ++x) {
            BYTE blue = static_cast<BYTE>(90 + y * 60 / kHeight), green = 60, red = 40;
            for (const Button& button : kButtons)
                if (inside(button.rect, x, y)) {
                    red = 70;
                    green = static_cast<BYTE>(130 + (y - button.rect.top));
                    blue = 200;
                }
            row[x * 3 + FI_RGBA_RED] = red;
            row[x * 3 + FI_RGBA_GREEN] = green;
            row[x * 3 + FI_RGBA_BLUE] = blue;
        }
    }
}

bool writePicture(const std::string& path) {
    FIBITMAP* bitmap = FreeImage_Allocate(kWidth, kHeight, 24);
    if (!bitmap)
        return false;
    paint(bitmap);
    FIMEMORY* memory = FreeImage_OpenMemory();
    bool encoded = FreeImage_SaveToMemory(FIF_PNG, bitmap, memory, 0);
    BYTE* data = nullptr;
    DWORD size = 0;
    bool written = encoded && FreeImage_AcquireMemory(memory, &data, &size) &&
                   writeFileSafely(FileAccess::current(), path,
                                   std::string(reinterpret_cast<const char*>(data), size));
    FreeImage_CloseMemory(memory);
    FreeImage_Unload(bitmap);
    return written;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: makesample <folder>\n");
        return 2;
    }
    // The project names its picture bare, relative to its own folder.
    if (chdir(argv[1]) != 0 || !writePicture("salon.png")) {
        std::fprintf(stderr, "makesample: cannot write into %s\n", argv[1]);
        return 1;
    }
    Proyecto project;
    project.instalacion = "Casa";
    std::unique_ptr<Pagina> page(new Pagina());
    page->nombre = "Sal\xF3n";
    page->setImagen(kWidth, kHeight, "salon.png");
    for (const Button& button : kButtons) {
        Region region;
        region.coords = button.rect;
        region.comando.sector = button.sector;
        region.comando.codigo = button.codigo;
        region.comando.pagina = button.pagina;
        region.comando.tipoComunicacion = "wifi";
        page->addRegion(region);
    }
    project.addPage(std::move(page));
    std::unique_ptr<Pagina> lights(new Pagina());
    lights->nombre = "Luces";
    lights->setImagen(kWidth, kHeight, "salon.png");
    project.addPage(std::move(lights));
    project.archivo = "muestra.xml";
    try {
        writeProjectFile(project);
    } catch (const ProyectoException& error) {
        std::fprintf(stderr, "makesample: %s\n", error.what());
        return 1;
    }
    return 0;
}
