// Helpers shared by the GUI tests of the command, page and project dialogs.
// They run on an Answerer's thread and read the dialog's controls across
// threads with messages.
#pragma once

#include "tests/gui/GuiTest.h"

#include <string>

#include "model/Comando.h"

// Text of a control of `dialog`.
std::string controlText(HWND dialog, int controlId);
bool controlEnabled(HWND dialog, int controlId);
bool buttonTicked(HWND dialog, int controlId);
// Entries and selection (-1: none) of a combo box or a list box.
std::vector<std::string> comboEntries(HWND dialog, int controlId);
int comboSelection(HWND dialog, int controlId);
std::vector<std::string> listEntries(HWND dialog, int controlId);
int listSelection(HWND dialog, int controlId);

// The five strings of a command, for comparing and printing.
std::string describe(const Comando& comando);

// Id of the control of the dialog's thread that has the keyboard focus.
int focusedControl(HWND dialog);
// Waits (bounded) for `condition`, polling every 20 ms; returns its last value.
bool waitFor(const std::function<bool()>& condition, DWORD timeoutMs = 3000);

// What a validation message looked like and where the focus went after it.
struct Refusal {
    bool seen = false;
    std::string text;
    bool ownedByDialog = false;
    bool onlyOk = false;
    int focusAfter = 0;
    bool dialogStillOpen = false;
    HWND box = nullptr;
};

// Steps that answer the validation message box of the dialog titled
// `dialogTitle` with OK and then wait for the focus to reach `focusControl`
// (0: record wherever it is).
void answerRefusal(Answerer& answerer, const std::string& dialogTitle, Refusal& refusal, int focusControl);

// The Win32 file access installed while a case runs, as the program does.
class ProgramFileAccess {
public:
    ProgramFileAccess();
    ~ProgramFileAccess();
};

// Restores Wine's current directory at the end of a case.
class CurrentDirectoryGuard {
public:
    explicit CurrentDirectoryGuard(const std::string& directory);
    ~CurrentDirectoryGuard();
    static std::string current();

private:
    std::string saved_;
};

// Writes into `folder` a project of `pages` pages "P1", "P2", ... with a
// 40 x 30 picture each ("p1.png", ...) and one region each that jumps to the
// next page (the last one jumps back): a project the check finds sound.
// Returns the project file's path; Wine's current directory is the folder.
std::string writeLinkedProject(const TempFolder& folder, int pages);

extern const char kComandoTitle[];
extern const char kPaginaTitle[];
extern const char kProyectoTitle[];
