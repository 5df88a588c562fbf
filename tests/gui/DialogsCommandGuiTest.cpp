// The command dialog ("Funcion"), run modally on the desktop and answered
// from another thread.
#include "tests/gui/DialogsGuiTest.h"

#include "ui/win32/ComandoDlg.h"

namespace {

// What the dialog showed when it opened.
struct CommandShown {
    std::string sector, codigo, mac;
    bool wifi = false, bluetooth = false;
    int focus = 0;
    bool jumpEnabled = false;
    std::vector<std::string> jumps;
    int jumpSelected = -2;
};

std::function<void(HWND)> recordShown(CommandShown& shown) {
    return [&shown](HWND dialog) {
        shown.sector = controlText(dialog, IDC_COMANDO_SECTOR);
        shown.codigo = controlText(dialog, IDC_COMANDO_CODIGO);
        shown.mac = controlText(dialog, IDC_COMANDO_MAC);
        shown.wifi = buttonTicked(dialog, IDC_COMANDO_WIFI);
        shown.bluetooth = buttonTicked(dialog, IDC_COMANDO_BT);
        shown.focus = focusedControl(dialog);
        shown.jumpEnabled = controlEnabled(dialog, IDC_COMANDO_SALTO);
        shown.jumps = comboEntries(dialog, IDC_COMANDO_SALTO);
        shown.jumpSelected = comboSelection(dialog, IDC_COMANDO_SALTO);
    };
}

std::function<void(HWND)> selectJump(int entry) {
    return [entry](HWND dialog) { SendDlgItemMessageA(dialog, IDC_COMANDO_SALTO, CB_SETCURSEL, entry, 0); };
}

// A radio button clicked by the user: the automatic group moves the tick.
std::function<void(HWND)> tickRadio(int controlId) {
    return [controlId](HWND dialog) {
        CheckRadioButton(dialog, IDC_COMANDO_WIFI, IDC_COMANDO_BT, controlId);
    };
}

// The edit field a combo box makes for itself has this id.
const int kComboEditId = 1001;

// Types into the jump list's edit field on the keyboard, as a user does:
// the field is emptied, given the focus, and each character sent as a key.
std::function<void(HWND)> typeJump(const std::string& text) {
    return [text](HWND dialog) {
        HWND combo = GetDlgItem(dialog, IDC_COMANDO_SALTO);
        HWND edit = FindWindowExA(combo, nullptr, "Edit", nullptr);
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
        PostMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(combo), TRUE);
        waitFor([dialog, edit] { return focusedControl(dialog) == GetDlgCtrlID(edit); });
        for (char c : text) {
            INPUT keys[2] = {};
            for (INPUT& key : keys) {
                key.type = INPUT_KEYBOARD;
                key.ki.wScan = static_cast<unsigned char>(c);
                key.ki.dwFlags = KEYEVENTF_UNICODE;
            }
            keys[1].ki.dwFlags |= KEYEVENTF_KEYUP;
            SendInput(2, keys, sizeof(INPUT));
        }
        waitFor([edit, text] { return windowTitle(edit) == text; });
    };
}

Comando command(const std::string& sector, const std::string& codigo, const std::string& pagina,
                const std::string& tipo, const std::string& mac) {
    return Comando{sector, codigo, pagina, tipo, mac};
}

}  // namespace

GUI_TEST(DialogsComando, ShowsTheCommandAndReadsBackTrimmedValues) {
    const std::vector<std::string> pages{"Inicio", "Luces", "Persianas"};
    ComandoDlg dialog(nullptr, command("Salon", "12", "Borrada", "", ""), &pages);

    CommandShown shown;
    Answerer answerer;
    answerer.on(kComandoTitle)
        .run(recordShown(shown))
        .type(IDC_COMANDO_SECTOR, "  Cocina\t")
        .type(IDC_COMANDO_CODIGO, "\t 7 b ")
        .run(tickRadio(IDC_COMANDO_BT))
        .type(IDC_COMANDO_MAC, " AA:BB:CC ")
        .run(selectJump(3))
        .click(IDOK);
    answerer.start();
    INT_PTR result = dialog.runModal();
    GUI_REQUIRE(answerer.finish());

    GUI_CHECK_EQ(shown.sector, std::string("Salon"));
    GUI_CHECK_EQ(shown.codigo, std::string("12"));
    GUI_CHECK(shown.wifi && !shown.bluetooth);  // an empty type shows WiFi
    GUI_CHECK_EQ(shown.focus, IDC_COMANDO_CODIGO);
    GUI_CHECK(shown.jumpEnabled);
    GUI_CHECK(shown.jumps == (std::vector<std::string>{"--------", "/back", "Inicio", "Luces", "Persianas"}));
    GUI_CHECK_EQ(shown.jumpSelected, 0);  // the target page no longer exists

    GUI_REQUIRE(result == IDOK);
    GUI_CHECK_EQ(describe(dialog.comando()), describe(command("Cocina", "7 b", "Luces", "bt", "AA:BB:CC")));
}

GUI_TEST(DialogsComando, RefusalsKeepTheDialogOpenAndFocusTheField) {
    const std::vector<std::string> pages{"Inicio"};
    ComandoDlg dialog(nullptr, Comando(), &pages);

    Refusal noCode, noSector, noMac;
    std::string codeKept;
    Answerer answerer;
    answerer.on(kComandoTitle).click(IDOK);
    answerRefusal(answerer, kComandoTitle, noCode, IDC_COMANDO_CODIGO);
    answerer.on(kComandoTitle).type(IDC_COMANDO_CODIGO, " 5 ").click(IDOK);
    answerRefusal(answerer, kComandoTitle, noSector, IDC_COMANDO_SECTOR);
    answerer.on(kComandoTitle)
        .run([&codeKept](HWND d) { codeKept = controlText(d, IDC_COMANDO_CODIGO); })
        .type(IDC_COMANDO_SECTOR, "Patio")
        .run(tickRadio(IDC_COMANDO_BT))
        .click(IDOK);
    answerRefusal(answerer, kComandoTitle, noMac, IDC_COMANDO_MAC);
    answerer.on(kComandoTitle).click(IDCANCEL);
    answerer.start();
    INT_PTR result = dialog.runModal();
    GUI_REQUIRE(answerer.finish());

    GUI_CHECK_EQ(noCode.text, std::string("Se debe definir el c\xF3" "digo"));
    GUI_CHECK_EQ(noCode.focusAfter, IDC_COMANDO_CODIGO);
    GUI_CHECK_EQ(noSector.text, std::string("Se debe definir el nombre del sector"));
    GUI_CHECK_EQ(noSector.focusAfter, IDC_COMANDO_SECTOR);
    GUI_CHECK_EQ(noMac.text, std::string("Se debe definir la MacAddress"));
    GUI_CHECK_EQ(noMac.focusAfter, IDC_COMANDO_MAC);
    for (const Refusal* refusal : {&noCode, &noSector, &noMac}) {
        GUI_CHECK(refusal->ownedByDialog);
        GUI_CHECK(refusal->onlyOk);
        GUI_CHECK(refusal->dialogStillOpen);
    }
    GUI_CHECK_EQ(codeKept, std::string(" 5 "));  // the field keeps what was typed
    GUI_CHECK_EQ(result, static_cast<INT_PTR>(IDCANCEL));
}

GUI_TEST(DialogsComando, RemembersSectorTypeAndMacAcrossShowings) {
    const std::vector<std::string> pages{"Inicio"};
    {
        ComandoDlg first(nullptr, Comando(), &pages);
        Answerer answerer;
        answerer.on(kComandoTitle)
            .type(IDC_COMANDO_SECTOR, "Garaje")
            .type(IDC_COMANDO_CODIGO, "3")
            .run(tickRadio(IDC_COMANDO_BT))
            .type(IDC_COMANDO_MAC, "11:22")
            .click(IDOK);
        answerer.start();
        GUI_REQUIRE(first.runModal() == IDOK);
        GUI_REQUIRE(answerer.finish());
    }

    // Opened again on an empty command, as the page dialog opens it.
    ComandoDlg second(nullptr, Comando(), nullptr);
    CommandShown shown;
    Answerer answerer;
    answerer.on(kComandoTitle).run(recordShown(shown)).click(IDCANCEL);
    answerer.start();
    INT_PTR result = second.runModal();
    GUI_REQUIRE(answerer.finish());

    GUI_CHECK_EQ(result, static_cast<INT_PTR>(IDCANCEL));
    GUI_CHECK_EQ(shown.sector, std::string("Garaje"));
    GUI_CHECK_EQ(shown.codigo, std::string(""));
    GUI_CHECK(shown.bluetooth && !shown.wifi);
    GUI_CHECK_EQ(shown.mac, std::string("11:22"));
    GUI_CHECK_EQ(shown.focus, IDC_COMANDO_CODIGO);
    GUI_CHECK(!shown.jumpEnabled);
    GUI_CHECK(shown.jumps.empty());
}

GUI_TEST(DialogsComando, BackJumpWithoutCodeIsAccepted) {
    const std::vector<std::string> pages{"Inicio", "Inicio"};
    ComandoDlg dialog(nullptr, command("", "", "Inicio", "wifi", ""), &pages);

    CommandShown shown;
    Answerer answerer;
    answerer.on(kComandoTitle).run(recordShown(shown)).run(selectJump(1)).click(IDOK);
    answerer.start();
    INT_PTR result = dialog.runModal();
    GUI_REQUIRE(answerer.finish());

    GUI_CHECK_EQ(shown.jumpSelected, 3);  // the later of two pages of that name
    GUI_CHECK_EQ(shown.focus, IDC_COMANDO_SECTOR);
    GUI_REQUIRE(result == IDOK);
    GUI_CHECK_EQ(describe(dialog.comando()), describe(command("", "", "/back", "wifi", "")));
}

GUI_TEST(DialogsComando, TypedJumpTargetIsStoredOrRefused) {
    const std::vector<std::string> pages{"Inicio", "Luces", "Persianas"};
    ComandoDlg dialog(nullptr, command("S", "1", "Inicio", "wifi", ""), &pages);

    Refusal unknown;
    int comboEdit = 0;
    std::string keptText;
    Answerer answerer;
    answerer.on(kComandoTitle)
        .run([&comboEdit](HWND d) {
            comboEdit = GetDlgCtrlID(FindWindowExA(GetDlgItem(d, IDC_COMANDO_SALTO), nullptr, "Edit", nullptr));
        })
        .run(typeJump("Pers"))  // a prefix: the list may select "Persianas" by itself
        .click(IDOK);
    answerRefusal(answerer, kComandoTitle, unknown, kComboEditId);
    answerer.on(kComandoTitle)
        .run([&keptText](HWND d) { keptText = controlText(d, IDC_COMANDO_SALTO); })
        .run(typeJump("  Luces "))
        .click(IDOK);
    answerer.start();
    INT_PTR result = dialog.runModal();
    GUI_REQUIRE(answerer.finish());

    GUI_CHECK_EQ(unknown.text, std::string("Se debe elegir una p\xE1gina de la lista"));
    GUI_CHECK(unknown.ownedByDialog && unknown.onlyOk && unknown.dialogStillOpen);
    GUI_CHECK_EQ(comboEdit, kComboEditId);
    GUI_CHECK_EQ(unknown.focusAfter, kComboEditId);
    GUI_CHECK_EQ(keptText, std::string("Pers"));
    GUI_REQUIRE(result == IDOK);
    GUI_CHECK_EQ(describe(dialog.comando()), describe(command("S", "1", "Luces", "wifi", "")));
}
