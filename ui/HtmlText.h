// The program's Windows-1252 texts as a UTF-8 web page takes them.
#pragma once

#include <string>

class HtmlText {
public:
    // The same text in UTF-8. Control characters other than tab and line
    // breaks, which no page may hold, become U+FFFD.
    static std::string utf8(const std::string& cp1252);
    // utf8() with every character that markup or an attribute could take
    // for its own written as a reference: a name such as "<script>" or
    // "\"&'" shows as text, wherever it goes.
    static std::string escaped(const std::string& cp1252);
    // A relative address for a file name: UTF-8, every byte other than
    // letters, digits and "-._~/" percent-encoded.
    static std::string address(const std::string& cp1252);
};
