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

}  // namespace

StartFile startFileFrom(const WCHAR* commandLine) {
    StartFile file;
    const WideText given = firstArgument(commandLine);
    if (given.empty())
        return file;
    WideText full = fullPath(given);
    // A file dropped on the program may come by its short 8.3 name.
    WCHAR longName[MAX_PATH];
    const DWORD longLength = full.empty() ? 0 : GetLongPathNameW(full.c_str(), longName, MAX_PATH);
    if (longLength > 0 && longLength < MAX_PATH)
        full.assign(longName, longLength);
    if (full.empty())
        file.refusal = kFileProblemText;
    else if (!narrowText(full.c_str(), file.path))
        file.refusal = kPathCharactersText;
    if (file.refusal)
        file.path.clear();
    return file;
}
