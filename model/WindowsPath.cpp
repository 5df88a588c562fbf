#include "WindowsPath.h"

namespace {

// The characters of bytes 0x80-0x9F; the rest of Windows-1252 is Latin-1.
const char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool isLatin1Byte(char16_t c) {
    return c < 0x80 || (c >= 0xA0 && c <= 0xFF);
}

bool startsWith(const std::u16string& text, const char16_t* prefix) {
    return text.compare(0, std::char_traits<char16_t>::length(prefix), prefix) == 0;
}

}  // namespace

std::u16string utf16FromCp1252(const std::string& text) {
    std::u16string out;
    out.reserve(text.size());
    for (char c : text) {
        unsigned char byte = static_cast<unsigned char>(c);
        out += byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : static_cast<char16_t>(byte);
    }
    return out;
}

static bool cp1252Byte(char16_t c, char& byte) {
    if (isLatin1Byte(c)) {
        byte = static_cast<char>(c);
        return true;
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == c) {
            byte = static_cast<char>(0x80 + i);
            return true;
        }
    }
    return false;
}

bool cp1252FromUtf16(const std::u16string& text, std::string& out) {
    out.clear();
    out.reserve(text.size());
    for (char16_t c : text) {
        char byte = 0;
        if (!cp1252Byte(c, byte))
            return false;
        out += byte;
    }
    return true;
}

std::u16string extendedLengthForm(const std::u16string& fullPath) {
    if (startsWith(fullPath, u"\\\\?\\") || startsWith(fullPath, u"\\\\.\\"))
        return fullPath;
    if (startsWith(fullPath, u"\\\\"))
        return u"\\\\?\\UNC\\" + fullPath.substr(2);
    bool drivePath = fullPath.size() >= 3 && fullPath[1] == u':' && fullPath[2] == u'\\';
    return drivePath ? u"\\\\?\\" + fullPath : fullPath;
}

bool withinSystemLimits(const std::u16string& extendedPath) {
    if (extendedPath.size() >= kMaxSystemPath)
        return false;
    size_t nameStart = 0;
    for (size_t i = 0; i <= extendedPath.size(); ++i) {
        if (i == extendedPath.size() || extendedPath[i] == u'\\') {
            if (i - nameStart > kMaxPathComponent)
                return false;
            nameStart = i + 1;
        }
    }
    return true;
}
