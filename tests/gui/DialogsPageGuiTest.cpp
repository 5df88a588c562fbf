// The page dialog: its fields, its validation, the nested command dialog and
// the picture choice through the system's open-file dialog.
#include "tests/gui/DialogsGuiTest.h"

#include "ui/win32/PaginaDlg.h"

namespace {

const char kAbrirTitle[] = "Abrir archivo";
const char kAtencionTitle[] = "ATENCI\xD3N";
const int kFileTypeCombo = 0x470;  // cmb1 of the open-file dialog

Comando command(const std::string& sector, const std::string& codigo, const std::string& pagina,
                const std::string& tipo, const std::string& mac) {
    return Comando{sector, codigo, pagina, tipo, mac};
}

// Waits for the picture field to show `name`; records what it finally shows.
std::function<void(HWND)> awaitPictureField(const std::string& name, std::string& shown) {
    return [name, &shown](HWND dialog) {
        waitFor([dialog, name] { return controlText(dialog, IDC_PAGINA_IMAGEN) == name; }, 5000);
        shown = controlText(dialog, IDC_PAGINA_IMAGEN);
    };
}

// Answers the open-file dialog with a typed DOS path.
void choosePicture(Answerer& answerer, const std::string& path, std::vector<std::string>* fileTypes = nullptr) {
    answerer.on(kPaginaTitle).click(IDC_PAGINA_SELECCIONAR);
    answerer.on(kAbrirTitle)
        .run([fileTypes](HWND box) {
            if (fileTypes)
                *fileTypes = comboEntries(box, kFileTypeCombo);
        })
        .typeFileName(path)
        .click(IDOK);
}

struct Question {
    std::vector<std::string> texts;
    bool ownedByPageDialog = false;
    bool yesNoCancel = false;
    HWND box = nullptr;
};

void answerQuestion(Answerer& answerer, Question& question, int answer) {
    answerer.on(kAtencionTitle)
        .run([&question](HWND box) {
            question.box = box;
            question.texts = staticTexts(box);
            HWND owner = GetWindow(box, GW_OWNER);
            question.ownedByPageDialog = owner && windowTitle(owner) == kPaginaTitle;
            question.yesNoCancel = GetDlgItem(box, IDYES) && GetDlgItem(box, IDNO) && GetDlgItem(box, IDCANCEL);
        })
        .click(answer);
}

}  // namespace

GUI_TEST(DialogsPagina, ShowsThePageAndValidatesInOrder) {
    PaginaDlg dialog(nullptr, "", "H", "", nullptr);

    bool vertical = true, horizontal = false, summaryEnabled = true;
    std::string summary;
    int focus = 0;
    Refusal empty, back, noPicture;
    Answerer answerer;
    answerer.on(kPaginaTitle)
        .run([&](HWND d) {
            vertical = buttonTicked(d, IDC_PAGINA_VERTICAL);
            horizontal = buttonTicked(d, IDC_PAGINA_HORIZONTAL);
            summary = controlText(d, IDC_PAGINA_RESUMEN);
            summaryEnabled = controlEnabled(d, IDC_PAGINA_RESUMEN);
            focus = focusedControl(d);
        })
        .type(IDC_PAGINA_NOMBRE, " \t ")
        .click(IDOK);
    answerRefusal(answerer, kPaginaTitle, empty, IDC_PAGINA_NOMBRE);
    answerer.on(kPaginaTitle).type(IDC_PAGINA_NOMBRE, "  /back ").click(IDOK);
    answerRefusal(answerer, kPaginaTitle, back, IDC_PAGINA_NOMBRE);
    answerer.on(kPaginaTitle).type(IDC_PAGINA_NOMBRE, "/Back").click(IDOK);
    answerRefusal(answerer, kPaginaTitle, noPicture, 0);
    answerer.on(kPaginaTitle)
        .type(IDC_PAGINA_IMAGEN, "  en ninguna parte.png \t")
        .run([](HWND d) { SendDlgItemMessageA(d, IDC_PAGINA_HORIZONTAL, BM_SETCHECK, BST_UNCHECKED, 0); })
        .click(IDOK);
    answerer.start();
    INT_PTR result = dialog.runModal();
    GUI_REQUIRE(answerer.finish());

    GUI_CHECK(!vertical);
    GUI_CHECK(horizontal);
    GUI_CHECK_EQ(summary, std::string("sector:  conectividad: alias:"));
    GUI_CHECK(!summaryEnabled);
    GUI_CHECK_EQ(focus, IDC_PAGINA_NOMBRE);

    GUI_CHECK_EQ(empty.text, std::string("El nombre no puede estar vac\xED" "o"));
    GUI_CHECK_EQ(empty.focusAfter, IDC_PAGINA_NOMBRE);
    GUI_CHECK_EQ(back.text, std::string("El nombre no puede ser /back"));
    GUI_CHECK_EQ(back.focusAfter, IDC_PAGINA_NOMBRE);
    GUI_CHECK_EQ(noPicture.text, std::string("Se debe definir el nombre de la imagen"));
    GUI_CHECK_EQ(noPicture.focusAfter, IDC_PAGINA_NOMBRE);  // left where it was
    for (const Refusal* refusal : {&empty, &back, &noPicture}) {
        GUI_CHECK(refusal->ownedByDialog);
        GUI_CHECK(refusal->onlyOk);
        GUI_CHECK(refusal->dialogStillOpen);
    }

    GUI_REQUIRE(result == IDOK);
    GUI_CHECK_EQ(dialog.nombre, std::string("/Back"));
    GUI_CHECK_EQ(dialog.imagen, std::string("en ninguna parte.png"));
    GUI_CHECK_EQ(dialog.orientaciones, std::string("VH"));  // neither box ticked
}

GUI_TEST(DialogsPagina, EditsTheStartCommandInANestedDialog) {
    Comando start = command("S1", "c1", "Luces", "wifi", "");
    PaginaDlg dialog(nullptr, "Salon", "V", "salon.png", &start);

    std::string before, afterOk, afterCancel;
    bool jumpEnabled = true;
    std::string nestedSector;
    Answerer answerer;
    answerer.on(kPaginaTitle)
        .run([&before](HWND d) { before = controlText(d, IDC_PAGINA_RESUMEN); })
        .click(IDC_PAGINA_EDITAR);
    answerer.on(kComandoTitle)
        .run([&](HWND d) {
            jumpEnabled = controlEnabled(d, IDC_COMANDO_SALTO);
            nestedSector = controlText(d, IDC_COMANDO_SECTOR);
        })
        .type(IDC_COMANDO_SECTOR, "Cocina")
        .type(IDC_COMANDO_CODIGO, "9")
        .run([](HWND d) { CheckRadioButton(d, IDC_COMANDO_WIFI, IDC_COMANDO_BT, IDC_COMANDO_BT); })
        .type(IDC_COMANDO_MAC, "AA:01")
        .click(IDOK);
    const std::string expected = "sector: Cocina conectividad:bt alias:9 bt:AA:01";
    answerer.on(kPaginaTitle)
        .run([&afterOk, expected](HWND d) {
            waitFor([d, expected] { return controlText(d, IDC_PAGINA_RESUMEN) == expected; });
            afterOk = controlText(d, IDC_PAGINA_RESUMEN);
        })
        .click(IDC_PAGINA_EDITAR);
    answerer.on(kComandoTitle).type(IDC_COMANDO_CODIGO, "otro").click(IDCANCEL);
    answerer.on(kPaginaTitle)
        .run([&afterCancel](HWND d) {
            DWORD thread = GetWindowThreadProcessId(d, nullptr);
            waitFor([thread] { return !findThreadWindow(kComandoTitle, "#32770", thread); });
            Sleep(100);
            afterCancel = controlText(d, IDC_PAGINA_RESUMEN);
        })
        .click(IDOK);
    answerer.start();
    INT_PTR result = dialog.runModal();
    GUI_REQUIRE(answerer.finish());

    GUI_CHECK_EQ(before, std::string("sector: S1 conectividad:wifi alias:c1"));
    GUI_CHECK(!jumpEnabled);
    GUI_CHECK_EQ(nestedSector, std::string("S1"));
    GUI_CHECK_EQ(afterOk, expected);
    GUI_CHECK_EQ(afterCancel, expected);
    GUI_REQUIRE(result == IDOK);
    // The jump target cannot be edited from here and stays.
    GUI_CHECK_EQ(describe(dialog.comandoInicial), describe(command("Cocina", "9", "Luces", "bt", "AA:01")));
}

GUI_TEST(DialogsPagina, ChosenPictureIsCopiedBesideTheProjectFile) {
    TempFolder pictures, project, drifted;
    GUI_REQUIRE(writeTestPicture(pictures.path("salon.png"), 5, 4));
    // Where an earlier file dialog may have left the current directory.
    CurrentDirectoryGuard elsewhere(drifted.dir());
    ProgramFileAccess files;
    const std::string directoryBefore = CurrentDirectoryGuard::current();

    PaginaDlg dialog(nullptr, "Salon", "VH", "previo.png", nullptr, project.path("casa.xml"));
    std::vector<std::string> fileTypes;
    std::string shown;
    Answerer answerer;
    choosePicture(answerer, pictures.path("salon.png"), &fileTypes);
    answerer.on(kPaginaTitle).run(awaitPictureField("salon.png", shown)).click(IDCANCEL);
    answerer.start();
    INT_PTR result = dialog.runModal();
    GUI_REQUIRE(answerer.finish());

    GUI_CHECK(!fileTypes.empty() && fileTypes[0] == "Archivos (*.png)");
    GUI_CHECK_EQ(shown, std::string("salon.png"));
    GUI_CHECK(!fileExists(drifted.path("salon.png")));
    GUI_CHECK_EQ(CurrentDirectoryGuard::current(), directoryBefore);
    // Cancelled: nothing was copied, the page's picture does not change.
    GUI_CHECK(!fileExists(project.path("salon.png")));
    GUI_CHECK_EQ(result, static_cast<INT_PTR>(IDCANCEL));
    GUI_CHECK_EQ(dialog.imagen, std::string("previo.png"));
}

GUI_TEST(DialogsPagina, ExistingPictureIsReplacedOnlyAfterYes) {
    TempFolder pictures, project;
    GUI_REQUIRE(writeTestPicture(pictures.path("salon.png"), 6, 2));
    GUI_REQUIRE(writeFileBytes(project.path("salon.png"), "old picture"));
    CurrentDirectoryGuard inProject(project.dir());
    ProgramFileAccess files;

    PaginaDlg dialog(nullptr, "Salon", "VH", "previo.png", nullptr);
    Question refused, allowed;
    std::string afterNo, afterYes, bytesAfterNo;
    const std::string target = project.path("salon.png");
    Answerer answerer;
    choosePicture(answerer, pictures.path("salon.png"));
    answerQuestion(answerer, refused, IDNO);
    answerer.on(kPaginaTitle).run([&](HWND d) {
        waitFor([&refused] { return !IsWindow(refused.box); });
        Sleep(300);
        afterNo = controlText(d, IDC_PAGINA_IMAGEN);
        bytesAfterNo = readFileBytes(target);
    });
    choosePicture(answerer, pictures.path("salon.png"));
    answerQuestion(answerer, allowed, IDYES);
    std::string bytesBeforeOk;
    answerer.on(kPaginaTitle)
        .run(awaitPictureField("salon.png", afterYes))
        .run([&](HWND) { bytesBeforeOk = readFileBytes(target); })
        .click(IDOK);
    answerer.start();
    INT_PTR result = dialog.runModal();
    GUI_REQUIRE(answerer.finish());

    GUI_CHECK(!refused.texts.empty() && refused.texts.back().find("salon.png") != std::string::npos);
    GUI_CHECK(refused.ownedByPageDialog);
    GUI_CHECK(refused.yesNoCancel);
    GUI_CHECK_EQ(afterNo, std::string("previo.png"));
    GUI_CHECK_EQ(bytesAfterNo, std::string("old picture"));

    GUI_CHECK_EQ(afterYes, std::string("salon.png"));
    GUI_CHECK_EQ(bytesBeforeOk, std::string("old picture"));  // copied on OK only
    GUI_CHECK_EQ(readFileBytes(target), readFileBytes(pictures.path("salon.png")));
    GUI_REQUIRE(result == IDOK);
    GUI_CHECK_EQ(dialog.imagen, std::string("salon.png"));
}

GUI_TEST(DialogsPagina, PictureAlreadyInPlaceIsNeitherAskedNorCopied) {
    TempFolder project;
    GUI_REQUIRE(writeFileBytes(project.path("Casa.png"), "not even a picture"));
    CurrentDirectoryGuard inProject(project.dir());
    ProgramFileAccess files;

    PaginaDlg dialog(nullptr, "Casa", "VH", "", nullptr);
    std::string shown;
    bool asked = true;
    Answerer answerer;
    choosePicture(answerer, project.path("Casa.png"));
    answerer.on(kPaginaTitle)
        .run(awaitPictureField("Casa.png", shown))
        .run([&asked](HWND d) {
            Sleep(200);
            asked = findThreadWindow(kAtencionTitle, "#32770", GetWindowThreadProcessId(d, nullptr)) != nullptr;
        })
        .click(IDOK);
    answerer.start();
    INT_PTR result = dialog.runModal();
    GUI_REQUIRE(answerer.finish());

    GUI_CHECK(!asked);
    GUI_CHECK_EQ(shown, std::string("Casa.png"));
    GUI_CHECK_EQ(readFileBytes(project.path("Casa.png")), std::string("not even a picture"));
    GUI_REQUIRE(result == IDOK);
    GUI_CHECK_EQ(dialog.imagen, std::string("Casa.png"));
}

GUI_TEST(DialogsPagina, FailedCopyIsReportedOnOkAndKeepsTheDialogOpen) {
    TempFolder pictures, project;
    GUI_REQUIRE(writeTestPicture(pictures.path("salon.png"), 3, 3));
    // A folder of that name: the copy cannot replace it.
    GUI_REQUIRE(CreateDirectoryA(project.path("salon.png").c_str(), nullptr));
    CurrentDirectoryGuard inProject(project.dir());
    ProgramFileAccess files;

    PaginaDlg dialog(nullptr, "Salon", "VH", "previo.png", nullptr);
    Question question;
    std::vector<std::string> errorTexts;
    bool errorOwned = false;
    std::string shown, afterError;
    HWND errorBox = nullptr;
    Answerer answerer;
    choosePicture(answerer, pictures.path("salon.png"));
    answerQuestion(answerer, question, IDYES);
    answerer.on(kPaginaTitle).run(awaitPictureField("salon.png", shown)).click(IDOK);
    answerer.on("ERROR")
        .run([&](HWND box) {
            errorBox = box;
            errorTexts = staticTexts(box);
            HWND owner = GetWindow(box, GW_OWNER);
            errorOwned = owner && windowTitle(owner) == kPaginaTitle;
        })
        .click(IDOK);
    answerer.on(kPaginaTitle)
        .run([&](HWND d) {
            waitFor([&errorBox] { return !IsWindow(errorBox); });
            Sleep(300);
            afterError = controlText(d, IDC_PAGINA_IMAGEN);
        })
        .click(IDCANCEL);
    answerer.start();
    INT_PTR result = dialog.runModal();
    GUI_REQUIRE(answerer.finish());

    GUI_CHECK(!errorTexts.empty() && errorTexts.back() == "Problemas con el archivo");
    GUI_CHECK(errorOwned);
    GUI_CHECK_EQ(afterError, std::string("salon.png"));  // still open, as chosen
    GUI_CHECK_EQ(result, static_cast<INT_PTR>(IDCANCEL));
}
