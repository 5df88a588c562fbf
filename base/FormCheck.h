// The verdict of a dialog's rules on what the user entered.
#pragma once

#include <string>

struct FormCheck {
    bool accepted = true;
    std::string message;   // shown to the user when not accepted
    int focusControl = 0;  // control to put the focus on; 0 leaves it where it is

    static FormCheck ok() { return FormCheck(); }
    static FormCheck refuse(const std::string& message, int focusControl) {
        FormCheck check;
        check.accepted = false;
        check.message = message;
        check.focusControl = focusControl;
        return check;
    }
};
