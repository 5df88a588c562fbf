// The handover document as a real browser draws it: a small project is
// exported with the program's own writer, the headless browser renders the
// page to a PNG, and the pixels must show the page's picture with its
// first region outlined and numbered, and the map's boxes and arrows.
//   handover_browser_test <browser> -> 0 when all is seen
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

const int kWidth = 200;
const int kHeight = 160;
const Rect kFirst{20, 20, 100, 80};  // the numbered region
const RGBQUAD kPictureColour{0x56, 0x9A, 0x12, 0};  // blue, green, red: a green no other part uses

struct Colour {
    int red, green, blue;
};

bool writePicture(const std::string& path) {
    FIBITMAP* bitmap = FreeImage_Allocate(kWidth, kHeight, 24);
    if (!bitmap)
        return false;
    FreeImage_FillBackground(bitmap, &kPictureColour);
    const bool saved = FreeImage_Save(FIF_PNG, bitmap, path.c_str(), PNG_DEFAULT) != FALSE;
    FreeImage_Unload(bitmap);
    return saved;
}

Proyecto* sampleProject(const TempFolder& folder) {
    auto* project = new Proyecto();
    project->instalacion = "Casa";
    project->archivo = folder.file("casa.xml");
    const char* names[] = {"Sal\xF3n", "Luces", "S\xF3tano"};
    for (const char* name : names) {
        auto page = std::make_unique<Pagina>();
        page->nombre = name;
        page->setImagen(kWidth, kHeight, "salon.png", project->archivo);
        project->addPage(std::move(page));
    }
    project->paginas[0]->addRegion(Region{kFirst, Comando{"Living", "luz1", "", "wifi", ""}});
    project->paginas[0]->addRegion(Region{Rect{120, 90, 190, 150}, Comando{"", "", "Luces", "wifi", ""}});
    project->paginas[1]->addRegion(Region{Rect{10, 10, 60, 60}, Comando{"", "", "/back", "wifi", ""}});
    return project;
}

// The browser, alone, on the local file: no profile of the user's, no network.
bool render(const std::string& browser, const std::string& html, const std::string& png) {
    const pid_t child = fork();
    if (child == 0) {
        const std::string screenshot = "--screenshot=" + png;
        const std::string address = "file://" + html;
        std::freopen("/dev/null", "w", stderr);
        execl(browser.c_str(), browser.c_str(), "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
              "--force-device-scale-factor=1", "--window-size=800,1600", "--proxy-server=127.0.0.1:9",
              screenshot.c_str(), address.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class Shot {
public:
    explicit Shot(const std::string& path) : bitmap_(FreeImage_Load(FIF_PNG, path.c_str(), 0)) {}
    ~Shot() { FreeImage_Unload(bitmap_); }
    bool loaded() const { return bitmap_ != nullptr; }
    int width() const { return static_cast<int>(FreeImage_GetWidth(bitmap_)); }
    int height() const { return static_cast<int>(FreeImage_GetHeight(bitmap_)); }
    Colour at(int x, int y) const {
        RGBQUAD pixel{};
        FreeImage_GetPixelColor(bitmap_, static_cast<unsigned>(x), static_cast<unsigned>(height() - 1 - y), &pixel);
        return Colour{pixel.rgbRed, pixel.rgbGreen, pixel.rgbBlue};
    }
    int count(int left, int top, int right, int bottom, bool (*is)(const Colour&)) const {
        int found = 0;
        for (int y = std::max(top, 0); y < std::min(bottom, height()); ++y)
            for (int x = std::max(left, 0); x < std::min(right, width()); ++x)
                found += is(at(x, y)) ? 1 : 0;
        return found;
    }

private:
    FIBITMAP* bitmap_;
};

// Near the picture's colour: the browser may convert it to the screen's.
bool isPicture(const Colour& c) {
    auto near = [](int a, int b) { return a - b < 12 && b - a < 12; };
    return near(c.red, kPictureColour.rgbRed) && near(c.green, kPictureColour.rgbGreen) &&
           near(c.blue, kPictureColour.rgbBlue);
}
bool isOutline(const Colour& c) {
    return c.red > 200 && c.green < 60 && c.blue < 60;
}
bool isWhite(const Colour& c) {
    return c.red > 220 && c.green > 220 && c.blue > 220;
}
bool isStartBox(const Colour& c) {  // #ffe7a3
    return c.red == 0xFF && c.green == 0xE7 && c.blue == 0xA3;
}
bool isPageBox(const Colour& c) {  // #e9f0fa
    return c.red == 0xE9 && c.green == 0xF0 && c.blue == 0xFA;
}
bool isArrow(const Colour& c) {  // #1f3a5f
    return c.red < 0x50 && c.green < 0x70 && c.blue > 0x40 && c.blue < 0x90;
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
    if (!writePicture(folder.file("salon.png")))
        return fail("cannot write the picture");
    std::unique_ptr<Proyecto> project(sampleProject(folder));
    const std::string html = folder.file("entrega.html");
    const std::string problem = HandoverExport::write(*project, html, "08/12/2026", FileAccess::current());
    if (!problem.empty())
        return fail(problem);
    const std::string png = folder.file("shot.png");
    if (!render(argv[1], html, png))
        return fail("the browser did not render " + html);
    Shot shot(png);
    if (!shot.loaded())
        return fail("no screenshot");

    // Where the picture landed, by its colour, and at which scale.
    int left = shot.width(), top = shot.height(), right = -1, bottom = -1;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (isPicture(shot.at(x, y))) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    if (right < 0)
        return fail("the page's picture is not shown");
    const double scale = double(right - left + 1) / kWidth;
    auto screenX = [&](int x) { return left + static_cast<int>(x * scale); };
    auto screenY = [&](int y) { return top + static_cast<int>(y * scale); };
    std::printf("picture at %d,%d scale %.2f\n", left, top, scale);

    // The outline along the region's left edge, below its number.
    const int edgeY = screenY((kFirst.top + kFirst.bottom) * 2 / 3);
    if (shot.count(screenX(kFirst.left) - 3, edgeY, screenX(kFirst.left) + 4, edgeY + 1, isOutline) == 0)
        return fail("no outline on the first region's left edge");
    if (!isPicture(shot.at(screenX((kFirst.left + kFirst.right) / 2), edgeY)))
        return fail("the first region is filled, not outlined");
    // Its number: white figures on a filled square in the top-left corner.
    const int badge = static_cast<int>(18 * scale);
    const int badgeLeft = screenX(kFirst.left), badgeTop = screenY(kFirst.top);
    const int red = shot.count(badgeLeft, badgeTop, badgeLeft + badge, badgeTop + badge, isOutline);
    const int white = shot.count(badgeLeft, badgeTop, badgeLeft + badge, badgeTop + badge, isWhite);
    std::printf("number: %d red, %d white pixels\n", red, white);
    if (red < badge * badge / 3 || white < badge / 2)
        return fail("no number on the first region");

    // The map, above the pages: the start page's box, the others, arrows.
    const int startBox = shot.count(0, 0, shot.width(), top, isStartBox);
    const int pageBoxes = shot.count(0, 0, shot.width(), top, isPageBox);
    const int arrows = shot.count(0, 0, shot.width(), top, isArrow);
    std::printf("map: %d start, %d page, %d arrow pixels\n", startBox, pageBoxes, arrows);
    if (startBox < 2000 || pageBoxes < 2000 || arrows < 100)
        return fail("the map is not drawn");
    return 0;
}
