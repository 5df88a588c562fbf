// What the check's options dialog decides, free of any window system: the
// minimum button size it shows, what it accepts, and where it is kept.
#pragma once

#include <cstdint>
#include <string>

#include "base/FormCheck.h"
#include "model/ProjectCheck.h"

class Settings;

class CheckOptionsForm {
public:
    explicit CheckOptionsForm(const CheckOptions& options) : options(options) {}

    std::string sizeText() const { return std::to_string(options.minButtonSize); }
    // Reads back the typed size; on success keeps it in `options`.
    FormCheck accept(const std::string& sizeText);
    // Keeps `options` for the next checks of this user (readCheckOptions).
    void remember(Settings& settings) const;

    CheckOptions options;
};
