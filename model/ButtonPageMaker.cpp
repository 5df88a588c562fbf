#include "ButtonPageMaker.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

const int32_t kSideMargin = 24;
const int32_t kTitleBand = 64;
const int32_t kCellPadding = 6;  // keeps shadows of neighbours apart
const int kStroke = 2;

int channelClamp(int value) {
    return std::min(255, std::max(0, value));
}

// How much of pixel (x, y) the rectangle with corners rounded to `radius`
// covers, 0 to 1: corners are smoothed as drawing programs do, straight
// edges on whole pixels stay sharp.
double coverage(int32_t x, int32_t y, const Rect& r, int32_t radius) {
    if (x < r.left || x >= r.right || y < r.top || y >= r.bottom)
        return 0.0;
    const bool inCornerX = x < r.left + radius || x >= r.right - radius;
    const bool inCornerY = y < r.top + radius || y >= r.bottom - radius;
    if (!inCornerX || !inCornerY)
        return 1.0;
    int inside = 0;
    for (int sy = 0; sy < 4; ++sy) {
        for (int sx = 0; sx < 4; ++sx) {
            const double px = x + (sx + 0.5) / 4, py = y + (sy + 0.5) / 4;
            const double cx = std::min(std::max(px, double(r.left + radius)), double(r.right - radius));
            const double cy = std::min(std::max(py, double(r.top + radius)), double(r.bottom - radius));
            inside += (px - cx) * (px - cx) + (py - cy) * (py - cy) <= double(radius) * radius;
        }
    }
    return inside / 16.0;
}

// Outside the rounded rectangle: how far from its edge; 0 inside.
double distanceOutside(double px, double py, const Rect& r, int32_t radius) {
    const double cx = std::min(std::max(px, double(r.left + radius)), double(r.right - radius));
    const double cy = std::min(std::max(py, double(r.top + radius)), double(r.bottom - radius));
    const double d = std::sqrt((px - cx) * (px - cx) + (py - cy) * (py - cy)) - radius;
    return std::max(0.0, d);
}

Rect grown(const Rect& r, int32_t by) {
    return Rect{r.left - by, r.top - by, r.right + by, r.bottom + by};
}

}  // namespace

std::string ButtonPageKind::name() const {
    static const char* const backgrounds[] = {"plain", "gradient", "noisy"};
    static const char* const styles[] = {"flat", "gradient", "outlined"};
    return std::string(backgrounds[static_cast<int>(background)]) + " background, " +
           styles[static_cast<int>(style)] + " buttons";
}

std::vector<ButtonPageKind> ButtonPageMaker::kinds() {
    std::vector<ButtonPageKind> all;
    for (PageBackground background : {PageBackground::Plain, PageBackground::Gradient, PageBackground::Noisy})
        for (ButtonStyle style : {ButtonStyle::Flat, ButtonStyle::Gradient, ButtonStyle::Outlined})
            all.push_back(ButtonPageKind{background, style});
    return all;
}

ButtonPageMaker::ButtonPageMaker(ButtonPageKind kind, uint32_t seed) : kind_(kind), state_(seed * 2654435761u + 1) {}

// xorshift: the same numbers from the same seed with any compiler.
uint32_t ButtonPageMaker::next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

int ButtonPageMaker::between(int low, int high) {
    if (high <= low)
        return low;
    return low + static_cast<int>(next() % static_cast<uint32_t>(high - low + 1));
}

ButtonPageMaker::Colour ButtonPageMaker::anyColour() {
    return Colour{between(0, 255), between(0, 255), between(0, 255)};
}

ButtonPageMaker::Colour ButtonPageMaker::shifted(const Colour& c, int most) {
    return Colour{channelClamp(c.red + between(-most, most)), channelClamp(c.green + between(-most, most)),
                  channelClamp(c.blue + between(-most, most))};
}

ButtonPageMaker::Colour ButtonPageMaker::standingOut(const std::vector<Colour>& others) {
    for (;;) {
        Colour candidate = anyColour();
        bool apart = true;
        for (const Colour& other : others)
            apart = apart && std::max({std::abs(candidate.red - other.red), std::abs(candidate.green - other.green),
                                       std::abs(candidate.blue - other.blue)}) >= kContrast;
        if (apart)
            return candidate;
    }
}

ButtonPageMaker::Colour ButtonPageMaker::shade(const Colour& c) {
    return Colour{c.red * 55 / 100, c.green * 55 / 100, c.blue * 55 / 100};
}

ButtonPageMaker::Colour ButtonPageMaker::backgroundAt(int32_t y, int32_t height) const {
    const int32_t span = std::max(1, height - 1);
    return Colour{top_.red + (bottom_.red - top_.red) * y / span, top_.green + (bottom_.green - top_.green) * y / span,
                  top_.blue + (bottom_.blue - top_.blue) * y / span};
}

void ButtonPageMaker::fillBox(RgbPicture& picture, int32_t left, int32_t top, int32_t right, int32_t bottom,
                              const Colour& colour) {
    for (int32_t y = top; y < bottom; ++y)
        for (int32_t x = left; x < right; ++x)
            if (picture.contains(x, y))
                picture.set(x, y, static_cast<uint8_t>(colour.red), static_cast<uint8_t>(colour.green),
                            static_cast<uint8_t>(colour.blue));
}

ButtonPage ButtonPageMaker::make(int32_t width, int32_t height, int columns, int rows) {
    ButtonPage page;
    page.picture = RgbPicture(width, height);
    top_ = anyColour();
    bottom_ = kind_.background == PageBackground::Gradient ? shifted(top_, 70) : top_;
    paintBackground(page.picture);
    paintTitle(page.picture);
    const bool chosenBySeed = columns <= 0 || rows <= 0;
    if (chosenBySeed) {
        columns = width < 800 ? between(2, 3) : between(3, 6);
        rows = between(3, 6);
    }
    const int32_t cellWidth = (width - 2 * kSideMargin) / columns;
    const int32_t cellHeight = (height - kTitleBand - kSideMargin) / rows;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            if (chosenBySeed && chance(15))
                continue;
            const int32_t room = cellWidth - 2 * kCellPadding, roomHigh = cellHeight - 2 * kCellPadding;
            const int32_t buttonWidth = std::min(room, cellWidth * between(70, 92) / 100);
            const int32_t buttonHeight = std::min(roomHigh, cellHeight * between(45, 80) / 100);
            const int32_t left = kSideMargin + column * cellWidth + kCellPadding + between(0, room - buttonWidth);
            const int32_t top = kTitleBand + row * cellHeight + kCellPadding + between(0, roomHigh - buttonHeight);
            const Rect button{left, top, left + buttonWidth, top + buttonHeight};
            paintButton(page.picture, button);
            page.buttons.push_back(button);
        }
    }
    return page;
}

void ButtonPageMaker::paintBackground(RgbPicture& picture) {
    const bool noisy = kind_.background == PageBackground::Noisy;
    for (int32_t y = 0; y < picture.height(); ++y) {
        const Colour row = backgroundAt(y, picture.height());
        for (int32_t x = 0; x < picture.width(); ++x) {
            const Colour c = noisy ? Colour{channelClamp(row.red + between(-kNoise, kNoise)),
                                            channelClamp(row.green + between(-kNoise, kNoise)),
                                            channelClamp(row.blue + between(-kNoise, kNoise))}
                                   : row;
            picture.set(x, y, static_cast<uint8_t>(c.red), static_cast<uint8_t>(c.green),
                        static_cast<uint8_t>(c.blue));
        }
    }
}

// A line of letters on the background, as pages name themselves.
void ButtonPageMaker::paintTitle(RgbPicture& picture) {
    const Colour ink = standingOut({top_, backgroundAt(kTitleBand, picture.height())});
    paintText(picture, kSideMargin, kTitleBand / 2, picture.width() / 2, ink);
}

void ButtonPageMaker::paintButton(RgbPicture& picture, const Rect& button) {
    const int32_t width = button.right - button.left, height = button.bottom - button.top;
    const int32_t radius = chance(40) ? 0 : between(4, std::max(4, std::min(14, height / 4)));
    const int32_t h = picture.height();
    const Colour aboveMiddle = backgroundAt((button.top + button.bottom) / 2, h);
    std::vector<Colour> around = {backgroundAt(button.top, h), backgroundAt(button.bottom, h), aboveMiddle,
                                  shade(backgroundAt(button.top, h)), shade(backgroundAt(button.bottom, h))};
    if (chance(50))
        paintShadow(picture, button, radius);
    Colour face = standingOut(around);
    Colour faceBottom = face;
    Colour rim = face;
    int32_t rimWidth = 0;
    if (kind_.style == ButtonStyle::Gradient) {
        for (int attempt = 0; attempt < 50 && faceBottom.red == face.red && faceBottom.green == face.green &&
                              faceBottom.blue == face.blue;
             ++attempt) {
            Colour other = shifted(face, 50);
            bool apart = true;
            for (const Colour& c : around)
                apart = apart && std::max({std::abs(other.red - c.red), std::abs(other.green - c.green),
                                           std::abs(other.blue - c.blue)}) >= kContrast;
            if (apart)
                faceBottom = other;
        }
    } else if (kind_.style == ButtonStyle::Outlined) {
        rim = face;
        rimWidth = between(1, 3);
        face = chance(50) && std::max({std::abs(aboveMiddle.red - rim.red), std::abs(aboveMiddle.green - rim.green),
                                       std::abs(aboveMiddle.blue - rim.blue)}) >= kContrast
                   ? aboveMiddle
                   : standingOut({rim});
        faceBottom = face;
    }
    const Rect inner = grown(button, -rimWidth);
    const int32_t innerRadius = std::max(0, radius - rimWidth);
    for (int32_t y = button.top; y < button.bottom; ++y) {
        const int32_t span = std::max(1, height - 1), along = y - button.top;
        const Colour row{face.red + (faceBottom.red - face.red) * along / span,
                         face.green + (faceBottom.green - face.green) * along / span,
                         face.blue + (faceBottom.blue - face.blue) * along / span};
        for (int32_t x = button.left; x < button.right; ++x) {
            const double covered = coverage(x, y, button, radius);
            if (covered <= 0.0)
                continue;
            const Colour c = rimWidth > 0 ? mixed(rim, row, coverage(x, y, inner, innerRadius)) : row;
            blend(picture, x, y, c, covered);
        }
    }
    const Colour ink = standingOut({face, faceBottom});
    int32_t textLeft = inner.left + 8;
    if (width >= 90 && height >= 36 && chance(50)) {
        const int32_t side = between(10, std::min(22, height / 2));
        const int32_t top = (button.top + button.bottom - side) / 2;
        if (chance(50)) {
            fillBox(picture, textLeft, top, textLeft + side, top + side, ink);
        } else {
            const Rect disc{textLeft, top, textLeft + side, top + side};
            for (int32_t y = disc.top; y < disc.bottom; ++y)
                for (int32_t x = disc.left; x < disc.right; ++x)
                    blend(picture, x, y, ink, coverage(x, y, disc, side / 2));
        }
        textLeft += side + 6;
    }
    if (chance(80))
        paintText(picture, textLeft, (button.top + button.bottom) / 2, inner.right - 8, ink);
}

// The button's shape cast down and to the right, darkening what is under
// it, with an edge that is sharp or fades over a few pixels.
void ButtonPageMaker::paintShadow(RgbPicture& picture, const Rect& button, int32_t radius) {
    const int32_t offset = between(3, 5);
    const int32_t blur = between(0, 3);
    const Rect cast{button.left + offset, button.top + offset, button.right + offset, button.bottom + offset};
    for (int32_t y = cast.top - blur; y < cast.bottom + blur; ++y) {
        for (int32_t x = cast.left - blur; x < cast.right + blur; ++x) {
            if (!picture.contains(x, y))
                continue;
            const double fade = 1.0 - distanceOutside(x + 0.5, y + 0.5, cast, radius) / (blur + 1);
            if (fade <= 0.0)
                continue;
            blend(picture, x, y, Colour{0, 0, 0}, 0.45 * std::min(1.0, fade));
        }
    }
}

ButtonPageMaker::Colour ButtonPageMaker::mixed(const Colour& outer, const Colour& inner, double innerShare) {
    auto channel = [innerShare](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * innerShare)); };
    return Colour{channel(outer.red, inner.red), channel(outer.green, inner.green), channel(outer.blue, inner.blue)};
}

void ButtonPageMaker::blend(RgbPicture& picture, int32_t x, int32_t y, const Colour& colour, double share) {
    if (share <= 0.0 || !picture.contains(x, y))
        return;
    const uint8_t* p = picture.at(x, y);
    const Colour c = mixed(Colour{p[0], p[1], p[2]}, colour, std::min(1.0, share));
    picture.set(x, y, static_cast<uint8_t>(c.red), static_cast<uint8_t>(c.green), static_cast<uint8_t>(c.blue));
}

// Letters are boxes, bars and crosses of two-pixel strokes.
void ButtonPageMaker::paintText(RgbPicture& picture, int32_t left, int32_t middleY, int32_t right,
                                const Colour& ink) {
    const int32_t glyphHeight = between(8, 14);
    int32_t x = left;
    for (int count = between(2, 8); count > 0; --count) {
        const int32_t glyphWidth = between(5, 8);
        if (x + glyphWidth > right)
            break;
        paintGlyph(picture, x, middleY - glyphHeight / 2, glyphWidth, glyphHeight, ink);
        x += glyphWidth + 3;
    }
}

void ButtonPageMaker::paintGlyph(RgbPicture& picture, int32_t left, int32_t top, int32_t width, int32_t height,
                                 const Colour& ink) {
    const int32_t right = left + width, bottom = top + height, middle = top + height / 2;
    switch (between(0, 4)) {
    case 0:  // a box
        fillBox(picture, left, top, right, top + kStroke, ink);
        fillBox(picture, left, bottom - kStroke, right, bottom, ink);
        fillBox(picture, left, top, left + kStroke, bottom, ink);
        fillBox(picture, right - kStroke, top, right, bottom, ink);
        break;
    case 1:  // an L
        fillBox(picture, left, top, left + kStroke, bottom, ink);
        fillBox(picture, left, bottom - kStroke, right, bottom, ink);
        break;
    case 2:  // a T
        fillBox(picture, left, top, right, top + kStroke, ink);
        fillBox(picture, left + width / 2 - 1, top, left + width / 2 + 1, bottom, ink);
        break;
    case 3:  // an H
        fillBox(picture, left, top, left + kStroke, bottom, ink);
        fillBox(picture, right - kStroke, top, right, bottom, ink);
        fillBox(picture, left, middle - 1, right, middle + 1, ink);
        break;
    default:  // an E
        fillBox(picture, left, top, left + kStroke, bottom, ink);
        fillBox(picture, left, top, right, top + kStroke, ink);
        fillBox(picture, left, middle - 1, right, middle + 1, ink);
        fillBox(picture, left, bottom - kStroke, right, bottom, ink);
        break;
    }
}
