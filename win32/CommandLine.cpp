#include "win32/CommandLine.h"

#include <shellapi.h>

#include "model/win32/WidePath.h"
#include "base/texts.h"

namespace {

WideText firstArgument(const WCHAR* commandLine) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(commandLine, &count);
    if (!arguments)
        return WideText();
    // The first argument is the program itself.
    WideText first = count > 1 ? WideText(arguments[1]) : WideText();
    LocalFree(arguments);
    return first;
}

// `path` in the system's long or short form; empty when there is none.
WideText pathForm(DWORD(WINAPI* form)(LPCWSTR, LPWSTR, DWORD), const WideText& path) {
    const DWORD size = form(path.c_str(), nullptr, 0);
    if (size == 0)
        return WideText();
    WideText result(size, WCHAR());
    const DWORD length = form(path.c_str(), &result[0], size);
    if (length == 0 || length >= size)
        return WideText();
    result.resize(length);
    return result;
}

}  // namespace

StartFile startFileFrom(const WCHAR* commandLine) {
    StartFile file;
    const WideText given = firstArgument(commandLine);
    if (given.empty())
        return file;
    WideText full = fullPath(given);
    if (full.empty()) {
        file.refusal = kFileProblemText;
        return file;
    }
    // A file dropped on the program may come by its short 8.3 name.
    const WideText longName = pathForm(GetLongPathNameW, full);
    if (!longName.empty())
        full = longName;
    if (narrowText(full.c_str(), file.path))
        return file;
    // The short form the system gave a name Windows-1252 cannot write may be
    // one it can.
    const WideText shortName = pathForm(GetShortPathNameW, full);
    if (shortName.empty() || !narrowText(shortName.c_str(), file.path)) {
        file.refusal = kPathCharactersText;
        file.path.clear();
    }
    return file;
}
