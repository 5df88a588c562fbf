// "Reemplazar en comandos": one sector, code, MAC address or jump target
// changed on every command that uses it, in the page shown or the whole
// project (start commands included). Portable: the dialog shows the values
// and the checks, the editor makes the change one undo step.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "base/FormCheck.h"

class Proyecto;
struct Comando;

enum class ReplaceField { Sector, Code, Mac, Jump };
enum class ReplaceScope { ShownPage, Project };

// A value the commands in scope use and how many use it. Codes repeat across
// sectors, so a code is its sector and code pair.
struct UsedValue {
    std::string sector;  // the code's sector; "" for the other fields
    std::string value;
    size_t uses = 0;

    // As the dialog lists it: the value (with its sector) and the count.
    std::string listed() const;
    bool operator==(const UsedValue& other) const {
        return sector == other.sector && value == other.value && uses == other.uses;
    }
};

struct ReplaceRequest {
    ReplaceField field = ReplaceField::Sector;
    ReplaceScope scope = ReplaceScope::Project;
    size_t shownPage = 0;
    UsedValue current;
    std::string replacement;
};

class CommandReplace {
public:
    // The values `field` takes in scope, sorted, each with its count.
    static std::vector<UsedValue> usedValues(const Proyecto& project, ReplaceField field, ReplaceScope scope,
                                             size_t shownPage);
    // The new value (trimmed into `request`) passes the command dialog's
    // rules on every command it would go to; else the message and the
    // control `newValueControl` to focus.
    static FormCheck check(const Proyecto& project, ReplaceRequest& request, int newValueControl);
    // Makes the change; how many commands changed.
    static size_t replace(Proyecto& project, const ReplaceRequest& request);
    // What the status bar says after it.
    static std::string doneText(size_t changed);

private:
    static bool uses(const Comando& comando, ReplaceField field, const UsedValue& value);
};
