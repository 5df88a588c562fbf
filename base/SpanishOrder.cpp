#include "base/SpanishOrder.h"

#include <array>
#include <cstdint>

namespace {

// How one byte sorts at each level: the base letter (or the byte itself,
// below every letter, for digits, blanks and signs), its accent, its case.
struct Weight {
    uint16_t letter = 0;
    uint8_t accent = 0;
    uint8_t capital = 0;
};

using Weights = std::array<Weight, 256>;

const uint16_t kFirstLetter = 0x100;

// Every letter has two places so that Ñ fits right after N.
uint16_t letterWeight(char base) {
    return base == '~' ? kFirstLetter + 2 * ('n' - 'a') + 1 : kFirstLetter + 2 * (base - 'a');
}

void setLetter(Weights& weights, unsigned byte, char base, bool capital, bool accented) {
    weights[byte] = Weight{letterWeight(base), static_cast<uint8_t>(accented ? 1 + (byte & 0x1F) : 0),
                           static_cast<uint8_t>(capital ? 1 : 0)};
}

Weights makeWeights() {
    Weights weights;
    for (unsigned byte = 0; byte < 256; ++byte)
        weights[byte].letter = static_cast<uint16_t>(byte);
    for (char c = 'a'; c <= 'z'; ++c) {
        setLetter(weights, static_cast<unsigned>(c), c, false, false);
        setLetter(weights, static_cast<unsigned>(c - 'a' + 'A'), c, true, false);
    }
    // The base letters of 0xC0-0xDF; the small letters of 0xE0-0xFF have the
    // same ones ('~' is the letter after N, '.' no letter: the signs of
    // multiplication and division).
    const char bases[] = "aaaaaaaceeeeiiiid~ooooo.ouuuuyts";
    for (unsigned i = 0; i < 32; ++i) {
        if (bases[i] == '.')
            continue;
        const bool plainN = bases[i] == '~';  // Ñ is a letter of its own
        if (i != 0x1F)  // ß has no capital here
            setLetter(weights, 0xC0 + i, bases[i], true, !plainN);
        setLetter(weights, 0xE0 + i, bases[i], false, !plainN);
    }
    setLetter(weights, 0xFF, 'y', false, true);
    const std::pair<unsigned, char> others[] = {{0x8A, 's'}, {0x8C, 'o'}, {0x8E, 'z'}, {0x9F, 'y'},
                                                {0x9A, 's'}, {0x9C, 'o'}, {0x9E, 'z'}};
    for (const auto& other : others)
        setLetter(weights, other.first, other.second, other.first < 0x9A || other.first == 0x9F, true);
    return weights;
}

const Weights& weights() {
    static const Weights table = makeWeights();
    return table;
}

template <typename Level>
int compareAt(const std::string& a, const std::string& b, Level level) {
    const Weights& table = weights();
    const size_t common = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < common; ++i) {
        int x = level(table[static_cast<unsigned char>(a[i])]);
        int y = level(table[static_cast<unsigned char>(b[i])]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace

int compareSpanish(const std::string& a, const std::string& b) {
    int order = compareAt(a, b, [](const Weight& w) { return int{w.letter}; });
    if (order == 0)
        order = compareAt(a, b, [](const Weight& w) { return int{w.accent}; });
    if (order == 0)
        order = compareAt(a, b, [](const Weight& w) { return int{w.capital}; });
    return order;
}
