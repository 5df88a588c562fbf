// Pictures of button pages whose button rectangles are known, made the same
// way from the same seed on every machine: what the button detection is
// tested and measured on. A page has a title on its background and a grid
// of buttons, some cells left empty; each button may have rounded corners,
// a drop shadow, an icon and a line of text. Every colour that meets
// another differs from it by at least kContrast in some channel.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Region.h"
#include "RgbPicture.h"

enum class PageBackground { Plain, Gradient, Noisy };
enum class ButtonStyle { Flat, Gradient, Outlined };

struct ButtonPageKind {
    PageBackground background;
    ButtonStyle style;
    std::string name() const;
};

struct ButtonPage {
    RgbPicture picture;
    std::vector<Rect> buttons;  // right and bottom exclusive, shadow left out
};

class ButtonPageMaker {
public:
    static constexpr int kContrast = 72;
    static constexpr int kNoise = 14;  // a noisy background's pixels stray this far

    // The nine kinds: every background with every style.
    static std::vector<ButtonPageKind> kinds();

    ButtonPageMaker(ButtonPageKind kind, uint32_t seed);
    // A width x height page; `columns` x `rows` buttons, every cell filled,
    // or (0, 0) for a grid and gaps chosen by the seed.
    ButtonPage make(int32_t width, int32_t height, int columns = 0, int rows = 0);

private:
    struct Colour {
        int red, green, blue;
    };
    uint32_t next();
    int between(int low, int high);
    bool chance(int percent) { return between(1, 100) <= percent; }
    Colour anyColour();
    // A colour at least kContrast from each of `others`.
    Colour standingOut(const std::vector<Colour>& others);
    Colour shifted(const Colour& colour, int most);
    void paintBackground(RgbPicture& picture);
    void paintTitle(RgbPicture& picture);
    void paintButton(RgbPicture& picture, const Rect& button);
    void paintShadow(RgbPicture& picture, const Rect& button, int32_t radius);
    static Colour mixed(const Colour& outer, const Colour& inner, double innerShare);
    static void blend(RgbPicture& picture, int32_t x, int32_t y, const Colour& colour, double share);
    void paintText(RgbPicture& picture, int32_t left, int32_t middleY, int32_t right, const Colour& ink);
    void paintGlyph(RgbPicture& picture, int32_t left, int32_t top, int32_t width, int32_t height,
                    const Colour& ink);
    static void fillBox(RgbPicture& picture, int32_t left, int32_t top, int32_t right, int32_t bottom,
                        const Colour& colour);
    Colour backgroundAt(int32_t y, int32_t height) const;
    static Colour shade(const Colour& colour);

    ButtonPageKind kind_;
    uint32_t state_;
    Colour top_{0, 0, 0};
    Colour bottom_{0, 0, 0};
};
