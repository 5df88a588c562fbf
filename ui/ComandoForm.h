// The command dialog's rules, kept apart from Win32 so that unit tests can
// drive them; ComandoDlg is only the glue to the controls.
#pragma once

#include <string>
#include <vector>

#include "model/Comando.h"
#include "base/FormCheck.h"

class ComandoForm {
public:
    // Installers type the same sector, link and MAC over and over, so an empty
    // one is filled from the last value seen and a given one is remembered,
    // even if the dialog is then cancelled. Without `pageNames` (not owned)
    // there is nothing to jump to.
    ComandoForm(const Comando& comando, const std::vector<std::string>* pageNames);

    Comando comando() const;

    // What the dialog shows when it opens.
    bool bluetoothTicked() const;
    int initialFocus() const;
    bool jumpListEnabled() const { return pageNames != nullptr; }
    std::vector<std::string> jumpEntries() const;
    int jumpSelection() const;

    // Reads back what the user entered (texts as typed; `jumpText` is the
    // jump list's edit field and `jumpEntry` its selected entry, -1 for none),
    // keeps the trimmed values and checks them. The jump text, as typed or
    // else trimmed, must be one of jumpEntries() or empty (no jump). When accepted, the
    // remembered values become the accepted ones.
    FormCheck accept(const std::string& sectorText, const std::string& codigoText,
                     const std::string& macText, bool bluetooth, const std::string& jumpText, int jumpEntry);

    std::string sector;
    std::string codigo;
    std::string pagina;
    std::string tipoComunicacion;
    std::string btMacAddress;
    const std::vector<std::string>* pageNames;

    // Shared by every showing while the program runs; never saved.
    static std::string lastSector;
    static std::string lastTipoComunicacion;
    static std::string lastBtMacAddress;

private:
    bool takeJump(const std::string& jumpText, int jumpEntry);
    bool takeJumpText(const std::string& text, int jumpEntry);
    void takeJumpEntry(size_t entry);
    FormCheck check() const;
};

// Jump list entries before the page names.
extern const char kNoJumpEntry[];  // "--------"
extern const char kBackTarget[];   // "/back"
// Refusal of a jump target typed into the list's edit field that is no entry.
extern const char kUnknownJumpMessage[];
