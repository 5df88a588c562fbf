// What a command does, in the user's words (Windows-1252): the test run of
// the pages tells it in the status bar, the exported documentation in its
// tables.
#pragma once

#include <string>

struct Comando;

class CommandDescription {
public:
    // The code that would go out, to which sector and how. Only for a
    // command that has a code.
    static std::string sending(const Comando& comando);
    // The jump, "" for a command without one.
    static std::string jump(const Comando& comando);
    // Everything the command does: the code, then the jump; a command that
    // does nothing says so.
    static std::string whole(const Comando& comando);
    // The same, short enough to be written inside the region on the canvas:
    // the code and its sector, then the jump on a line of its own.
    static std::string label(const Comando& comando);
};
