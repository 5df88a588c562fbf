// The handover document as a real browser draws it: a small project is
// exported by the program's own writer, the headless browser renders it to
// a PNG, and the pixels must show the page's picture with its first region
// outlined and numbered, and above it the map's boxes and arrows.
//   handover_browser_test <browser>   exit 0 when all is seen
#include <FreeImage.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "model/FileAccess.h"
#include "model/Proyecto.h"
#include "support/TempFolder.h"
#include "ui/HandoverExport.h"

namespace {

const Rect kFirst{20, 20, 100, 80};               // the numbered region, on a 200 x 160 picture
const RGBQUAD kPicture{0x56, 0x9A, 0x12, 0};      // a green nothing else in the document has
using Is = bool (*)(const RGBQUAD&);

bool near(int a, int b) {
    return a - b < 12 && b - a < 12;  // the browser may convert colours to the screen's
}
bool isPicture(const RGBQUAD& c) {
    return near(c.rgbRed, kPicture.rgbRed) && near(c.rgbGreen, kPicture.rgbGreen) && near(c.rgbBlue, kPicture.rgbBlue);
}
bool isOutline(const RGBQUAD& c) { return c.rgbRed > 200 && c.rgbGreen < 60 && c.rgbBlue < 60; }
bool isWhite(const RGBQUAD& c) { return c.rgbRed > 220 && c.rgbGreen > 220 && c.rgbBlue > 220; }
bool isStartBox(const RGBQUAD& c) { return c.rgbRed == 0xFF && c.rgbGreen == 0xE7 && c.rgbBlue == 0xA3; }
bool isPageBox(const RGBQUAD& c) { return c.rgbRed == 0xE9 && c.rgbGreen == 0xF0 && c.rgbBlue == 0xFA; }
bool isArrow(const RGBQUAD& c) { return c.rgbRed < 0x50 && c.rgbGreen < 0x70 && c.rgbBlue > 0x40 && c.rgbBlue < 0x90; }

// Salón (the picture, a code and a jump) -> Luces; Sótano is reached by nothing.
std::unique_ptr<Proyecto> sampleProject(const TempFolder& folder) {
    FIBITMAP* bitmap = FreeImage_Allocate(200, 160, 24);
    FreeImage_FillBackground(bitmap, &kPicture);
    FreeImage_Save(FIF_PNG, bitmap, folder.file("salon.png").c_str(), PNG_DEFAULT);
    FreeImage_Unload(bitmap);
    auto project = std::make_unique<Proyecto>();
    project->instalacion = "Casa";
    project->archivo = folder.file("casa.xml");
    for (const char* name : {"Sal\xF3n", "Luces", "S\xF3tano"}) {
        auto page = std::make_unique<Pagina>();
        page->nombre = name;
        page->setImagen(200, 160, "salon.png", project->archivo);
        project->addPage(std::move(page));
    }
    project->paginas[0]->addRegion(Region{kFirst, Comando{"Living", "luz1", "", "wifi", ""}});
    project->paginas[0]->addRegion(Region{Rect{120, 90, 190, 150}, Comando{"", "", "Luces", "wifi", ""}});
    return project;
}

// The browser alone on the local file, with no proxy it could reach.
bool render(const char* browser, const std::string& html, const std::string& png) {
    const pid_t child = fork();
    if (child == 0) {
        std::freopen("/dev/null", "w", stderr);
        execl(browser, browser, "--no-sandbox", "--disable-gpu", "--hide-scrollbars", "--force-device-scale-factor=1",
              "--window-size=800,1600", "--proxy-server=127.0.0.1:9", ("--screenshot=" + png).c_str(),
              ("file://" + html).c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

int fail(const std::string& why) {
    std::fprintf(stderr, "handover_browser_test: %s\n", why.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2)
        return fail("usage: handover_browser_test <browser>");
    TempFolder folder;
    const std::string html = folder.file("entrega.html"), png = folder.file("shot.png");
    const std::string problem = HandoverExport::write(*sampleProject(folder), html, "08/12/2026", FileAccess::current());
    if (!problem.empty() || !render(argv[1], html, png))
        return fail("the document was not written or not rendered: " + problem);
    std::unique_ptr<FIBITMAP, void (*)(FIBITMAP*)> shot(FreeImage_Load(FIF_PNG, png.c_str(), 0), FreeImage_Unload);
    if (!shot)
        return fail("no screenshot");
    const int width = static_cast<int>(FreeImage_GetWidth(shot.get()));
    const int height = static_cast<int>(FreeImage_GetHeight(shot.get()));
    auto count = [&](int left, int top, int right, int bottom, Is is) {
        int found = 0;
        RGBQUAD pixel{};
        for (int y = std::max(top, 0); y < std::min(bottom, height); ++y)
            for (int x = std::max(left, 0); x < std::min(right, width); ++x)
                found += FreeImage_GetPixelColor(shot.get(), x, height - 1 - y, &pixel) && is(pixel);
        return found;
    };

    // Where the picture landed, by its colour, and at which scale.
    int left = width, top = height, right = -1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (count(x, y, x + 1, y + 1, isPicture)) {
                left = std::min(left, x), right = std::max(right, x), top = std::min(top, y);
            }
    if (right < 0)
        return fail("the page's picture is not shown");
    const double scale = (right - left + 1) / 200.0;
    const int regionLeft = left + static_cast<int>(kFirst.left * scale);
    const int regionTop = top + static_cast<int>(kFirst.top * scale);
    const int belowNumber = top + static_cast<int>(60 * scale);
    const int badge = static_cast<int>(18 * scale);
    const int outline = count(regionLeft - 3, belowNumber, regionLeft + 4, belowNumber + 1, isOutline);
    const int inside = count(regionLeft + 10, belowNumber, regionLeft + 11, belowNumber + 1, isPicture);
    const int red = count(regionLeft, regionTop, regionLeft + badge, regionTop + badge, isOutline);
    const int white = count(regionLeft, regionTop, regionLeft + badge, regionTop + badge, isWhite);
    const int startBox = count(0, 0, width, top, isStartBox), pageBoxes = count(0, 0, width, top, isPageBox);
    const int arrows = count(0, 0, width, top, isArrow);
    std::printf("picture at %d,%d scale %.2f; outline %d, inside %d; number %d red, %d white; map %d start, %d page, "
                "%d arrow pixels\n", left, top, scale, outline, inside, red, white, startBox, pageBoxes, arrows);
    if (outline == 0 || inside == 0)
        return fail("the first region is not outlined over its picture");
    if (red < badge * badge / 3 || white < badge / 2)
        return fail("the first region has no number");
    if (startBox < 2000 || pageBoxes < 2000 || arrows < 100)
        return fail("the map is not drawn");
    return 0;
}
