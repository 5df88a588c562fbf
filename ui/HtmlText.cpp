#include "ui/HtmlText.h"

#include <cstdint>

namespace {

// 0x80 to 0x9F; the five bytes Windows leaves undefined keep their own value.
const uint16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

uint32_t codePointOf(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0)
        return kHighControls[byte - 0x80];
    return byte;
}

bool allowed(uint32_t codePoint) {
    if (codePoint == '\t' || codePoint == '\n' || codePoint == '\r')
        return true;
    return codePoint >= 0x20 && codePoint != 0x7F && (codePoint < 0x80 || codePoint >= 0xA0);
}

void appendUtf8(uint32_t codePoint, std::string& out) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

const char* referenceFor(char c) {
    switch (c) {
    case '&': return "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '"': return "&quot;";
    case '\'': return "&#39;";
    default: return nullptr;
    }
}

bool unreservedInAddress(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~' || c == '/';
}

}  // namespace

std::string HtmlText::utf8(const std::string& cp1252) {
    std::string out;
    out.reserve(cp1252.size() + cp1252.size() / 8);
    for (char c : cp1252) {
        const uint32_t codePoint = codePointOf(static_cast<unsigned char>(c));
        appendUtf8(allowed(codePoint) ? codePoint : 0xFFFD, out);
    }
    return out;
}

std::string HtmlText::escaped(const std::string& cp1252) {
    const std::string text = utf8(cp1252);
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (char c : text) {
        const char* reference = referenceFor(c);
        if (reference)
            out += reference;
        else
            out += c;
    }
    return out;
}

std::string HtmlText::address(const std::string& cp1252) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : utf8(cp1252)) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (unreservedInAddress(byte)) {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        }
    }
    return out;
}
