// The transfer to the device in the running editor: the method dialog, the
// progress dialog and the device emulator on loopback port 9835.
#include "tests/gui/GuiTest.h"

#include <commctrl.h>
#include <cstdio>
#include <shlobj.h>

#include "model/CheckSettings.h"
#include "model/Proyecto.h"
#include "model/Settings.h"
#include "transfer/Sockets.h"
#include "transfer/win32/ElevatedCommand.h"
#include "tests/gui/DialogsGuiTest.h"
#include "tests/gui/TransferGuiDevice.h"
#include "ui/win32/MainWindow.h"

namespace {

const char kTransferTitle[] = "Transferir a dispositivo";
const char kDoneText[] = "Operaci\xF3n conclu\xED" "da";
const char kWaitingText[] = "Esperando conexi\xF3n . . .";
const char kTransferringText[] = "Transfiriendo...";
const char kFolderBrowserTitle[] = "Browse for Folder";  // Wine's caption, English locale

// A house the check finds nothing in, so that a transfer asks no question.
const char kProjectXml[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<tabrino versionFormato=\"12.08\" instalacion=\"Casa\" paginaInicial=\"Inicio\">\r\n"
    "    <paginas>\r\n"
    "        <pagina nombre=\"Inicio\" imagen=\"inicio.png\" orientaciones=\"VH\" ancho=\"120\" alto=\"90\">\r\n"
    "            <comandoInicial>\r\n"
    "                <comando sector=\"\" codigo=\"\" pagina=\"\" tipoComunicacion=\"\" btMacAddress=\"\"/>\r\n"
    "            </comandoInicial>\r\n"
    "            <regiones>\r\n"
    "                <region>\r\n"
    "                    <coords>2, 2, 62, 62</coords>\r\n"
    "                    <comando sector=\"\" codigo=\"\" pagina=\"Luces\" tipoComunicacion=\"wifi\" btMacAddress=\"\"/>\r\n"
    "                </region>\r\n"
    "            </regiones>\r\n"
    "        </pagina>\r\n"
    "        <pagina nombre=\"Luces\" imagen=\"luces.png\" orientaciones=\"V\" ancho=\"20\" alto=\"10\">\r\n"
    "            <comandoInicial>\r\n"
    "                <comando sector=\"\" codigo=\"\" pagina=\"/back\" tipoComunicacion=\"\" btMacAddress=\"\"/>\r\n"
    "            </comandoInicial>\r\n"
    "            <regiones/>\r\n"
    "        </pagina>\r\n"
    "    </paginas>\r\n"
    "</tabrino>\r\n";

// Opens `path` in the main window through the open-file dialog.
bool openProject(MainWindow& window, const std::string& path) {
    Answerer answerer;
    answerer.on("Abrir archivo").typeFileName(path).click(IDOK);
    answerer.start();
    sendCommand(window.hwnd(), ID_ABRIR_PROYECTO);
    return answerer.finish();
}

// The main window with the two-page project and its pictures, opened from a
// folder of its own.
struct OpenedProject {
    TempFolder folder;
    CurrentDirectoryGuard directory{CurrentDirectoryGuard::current()};
    ProgramFileAccess files;
    std::unique_ptr<MainWindow> window = createMainWindow();
    bool ready = writeTestPicture(folder.path("inicio.png"), 120, 90) &&
                 writeTestPicture(folder.path("luces.png"), 20, 10) &&
                 writeFileBytes(folder.path("casa.xml"), kProjectXml) && openProject(*window, folder.path("casa.xml"));
};

// Steps for the method dialog: note whether TCP/IP was ticked, tick
// `method`, accept, and wait until the dialog is gone.
void chooseMethod(Answerer& answerer, int method, bool& tcpIpTicked) {
    answerer.on(kTransferTitle)
        .run([&tcpIpTicked](HWND dialog) { tcpIpTicked = buttonTicked(dialog, IDC_TRANSFERIR_TCPIP); })
        .check(method)
        .click(IDOK)
        .run([](HWND dialog) { waitFor([dialog] { return !IsWindow(dialog); }, 5000); });
}

struct NetworkTransfer {
    bool tcpIpTicked = false;
    bool closed = false;
    bool deviceOk = false;
};

// "Transferir a dispositivo" over TCP/IP to `device`, already started: once
// the progress dialog says it is done, `read` looks at it, then the dialog is
// closed with its button and the device's report awaited.
NetworkTransfer transferOverNetwork(MainWindow& window, GuiDevice& device, const std::function<void(HWND)>& read) {
    NetworkTransfer transfer;
    Answerer answerer;
    chooseMethod(answerer, IDC_TRANSFERIR_TCPIP, transfer.tcpIpTicked);
    answerer.on(kTransferTitle)
        .run([&](HWND progress) {
            waitFor([&] { return controlText(progress, IDC_SUBIR_ESTADO) == kDoneText; }, 20000);
            read(progress);
        })
        .click(IDCANCEL)
        .run([&transfer](HWND progress) {
            transfer.closed = waitFor([progress] { return !IsWindow(progress); }, 5000);
        });
    answerer.start();
    sendCommand(window.hwnd(), ID_TRANSFERIR);
    // The method dialog posted ID_TRANSFERIR_TCPIP: the progress dialog runs in this pump.
    pumpUntil([&transfer] { return transfer.closed; }, 30000);
    GUI_REQUIRE(answerer.finish());
    transfer.deviceOk = device.finish(10000);
    if (!transfer.deviceOk)
        guiTestFailure(__FILE__, __LINE__, "device report: " + device.report());
    return transfer;
}

}  // namespace

GUI_TEST(Transfer, TcpIpSendsEveryFileToTheDeviceAndShowsDone) {
    TempFolder folder;
    GUI_REQUIRE(writeTestPicture(folder.path("inicio.png"), 120, 90));
    GUI_REQUIRE(writeTestPicture(folder.path("luces.png"), 20, 10));
    GUI_REQUIRE(writeFileBytes(folder.path("casa.xml"), kProjectXml));
    CurrentDirectoryGuard directory(CurrentDirectoryGuard::current());
    ProgramFileAccess files;
    auto window = createMainWindow();
    GUI_REQUIRE(openProject(*window, folder.path("casa.xml")));
    GUI_REQUIRE(window->document().project().paginas.size() == 2);

    GuiDevice device("normal");
    GUI_REQUIRE(device.started());
    std::string status, button;
    NetworkTransfer transfer = transferOverNetwork(*window, device, [&](HWND progress) {
        status = controlText(progress, IDC_SUBIR_ESTADO);
        button = controlText(progress, IDCANCEL);
    });

    GUI_CHECK(transfer.tcpIpTicked);
    GUI_CHECK_EQ(status, std::string(kDoneText));
    GUI_CHECK_EQ(button, std::string("OK"));
    GUI_CHECK(transfer.closed);
    GUI_CHECK(transfer.deviceOk);
    // The project as the editor saved it before the transfer, then each
    // picture byte for byte (the device asks for them in page order).
    GUI_CHECK_EQ(device.received("trdev.xml"), readFileBytes(folder.path("casa.xml")));
    GUI_CHECK(device.received("inicio.png") == readFileBytes(folder.path("inicio.png")));
    GUI_CHECK(device.received("luces.png") == readFileBytes(folder.path("luces.png")));
}

GUI_TEST(Transfer, ProgressBarEndsFullWithEveryPictureCounted) {
    TempFolder folder;
    CurrentDirectoryGuard directory(CurrentDirectoryGuard::current());
    ProgramFileAccess files;
    std::string path = writeLinkedProject(folder, 12);
    // Its 18-pixel regions would be too small for a finger: no question.
    writeCheckOptions(Settings::current(), CheckOptions{10});
    auto window = createMainWindow();
    GUI_REQUIRE(openProject(*window, path));

    GuiDevice device("normal");
    GUI_REQUIRE(device.started());
    std::string pictures;
    LRESULT position = -1, top = -1;
    NetworkTransfer transfer = transferOverNetwork(*window, device, [&](HWND progress) {
        position = SendDlgItemMessageA(progress, IDC_SUBIR_PROGRESO, PBM_GETPOS, 0, 0);
        top = SendDlgItemMessageA(progress, IDC_SUBIR_PROGRESO, PBM_GETRANGE, FALSE, 0);
        pictures = controlText(progress, IDC_SUBIR_IMAGENES);
    });

    GUI_CHECK(transfer.closed);
    GUI_CHECK(transfer.deviceOk);
    for (int i = 1; i <= 12; ++i) {
        std::string picture = "p" + std::to_string(i) + ".png";
        GUI_CHECK(device.received(picture) == readFileBytes(folder.path(picture)));
    }
    GUI_CHECK_EQ(top, 1000);
    GUI_CHECK_EQ(position, 1000);
    GUI_CHECK_EQ(pictures, std::string("12 de 12 im\xE1genes"));
}

GUI_TEST(Transfer, CancelWhileWaitingForTheDeviceClosesPromptly) {
    OpenedProject opened;
    GUI_REQUIRE(opened.ready);
    auto& window = opened.window;

    bool tcpIpTicked = false, closed = false, portHeld = false, portFreed = false;
    std::string status, button;
    DWORD cancelledAt = 0, freedAt = 0;
    Answerer answerer;
    chooseMethod(answerer, IDC_TRANSFERIR_TCPIP, tcpIpTicked);
    answerer.on(kTransferTitle)
        .run([&](HWND progress) {
            // Let the worker start waiting for the device's datagram.
            portHeld = waitFor([] { return !udpPortFree(9835); }, 3000);
            Sleep(300);
            status = controlText(progress, IDC_SUBIR_ESTADO);
            button = controlText(progress, IDCANCEL);
            cancelledAt = GetTickCount();
            pressKey(VK_RETURN);
        })
        .run([&](HWND progress) {
            // The worker has ended once its socket is closed.
            portFreed = waitFor([] { return udpPortFree(9835); }, 3000);
            freedAt = GetTickCount();
            closed = waitFor([progress] { return !IsWindow(progress); }, 5000);
        });
    answerer.start();
    sendCommand(window->hwnd(), ID_TRANSFERIR);
    pumpUntil([&closed] { return closed; }, 15000);
    GUI_REQUIRE(answerer.finish());

    GUI_CHECK(tcpIpTicked);
    GUI_CHECK(portHeld);
    GUI_CHECK_EQ(status, std::string(kWaitingText));
    GUI_CHECK_EQ(button, std::string("Cancelar"));
    GUI_CHECK(portFreed);
    GUI_CHECK(freedAt - cancelledAt < 1000);
    GUI_CHECK(closed);
}

GUI_TEST(Transfer, CancelWhileTheConnectedDeviceIsSilentClosesPromptly) {
    OpenedProject opened;
    GUI_REQUIRE(opened.ready);
    TempFolder& folder = opened.folder;
    auto& window = opened.window;
    // Takes the project file, then never asks for anything.
    GuiDevice device("silent");
    GUI_REQUIRE(device.started());

    bool tcpIpTicked = false, transferring = false, closed = false;
    DWORD cancelledAt = 0, closedAt = 0;
    Answerer answerer;
    chooseMethod(answerer, IDC_TRANSFERIR_TCPIP, tcpIpTicked);
    answerer.on(kTransferTitle)
        .run([&](HWND progress) {
            transferring = waitFor([progress] { return controlText(progress, IDC_SUBIR_ESTADO) == kTransferringText; },
                                   10000);
            // The project file goes out at once; then the worker waits for a request.
            Sleep(1000);
            cancelledAt = GetTickCount();
        })
        .click(IDCANCEL)
        .run([&](HWND progress) {
            // Hidden is the moment the dialog goes; Wine without a window
            // manager then waits two seconds for X before destroying it.
            closed = waitFor([progress] { return !IsWindowVisible(progress); }, 10000);
            closedAt = GetTickCount();
        });
    answerer.start();
    sendCommand(window->hwnd(), ID_TRANSFERIR);
    pumpUntil([&closed] { return closed; }, 30000);
    GUI_REQUIRE(answerer.finish());
    device.finish(5000);

    GUI_CHECK(transferring);
    GUI_CHECK(closed);
    if (closedAt - cancelledAt >= 1000)
        guiTestFailure(__FILE__, __LINE__, "closed " + std::to_string(closedAt - cancelledAt) + " ms after Cancel");
    // The device had the whole project and saw the editor hang up.
    GUI_CHECK_EQ(device.received("trdev.xml"), readFileBytes(folder.path("casa.xml")));
    GUI_CHECK(device.report().find("editor closed the connection") != std::string::npos);
}

GUI_TEST(Transfer, CardCopyWritesTrdevAndPicturesAndIsRemembered) {
    TempFolder folder, card;
    GUI_REQUIRE(writeTestPicture(folder.path("inicio.png"), 120, 90));
    GUI_REQUIRE(writeTestPicture(folder.path("luces.png"), 20, 10));
    GUI_REQUIRE(writeFileBytes(folder.path("casa.xml"), kProjectXml));
    GUI_REQUIRE(writeFileBytes(card.path("inicio.png"), "older picture"));
    CurrentDirectoryGuard directory(CurrentDirectoryGuard::current());
    ProgramFileAccess files;
    auto window = createMainWindow();
    GUI_REQUIRE(openProject(*window, folder.path("casa.xml")));

    // The card folder without its trailing backslash, as the browser gives it.
    std::string cardFolder = card.dir().substr(0, card.dir().size() - 1);
    bool tcpIpFirst = false, copyRemembered = false;
    std::vector<std::string> message;
    Answerer answerer;
    answerer.on(kTransferTitle)
        .run([&tcpIpFirst](HWND d) {
            tcpIpFirst = buttonTicked(d, IDC_TRANSFERIR_TCPIP);
            // As a click on the radio button does: the other one goes off.
            CheckRadioButton(d, IDC_TRANSFERIR_TCPIP, IDC_TRANSFERIR_COPIA, IDC_TRANSFERIR_COPIA);
        })
        .click(IDOK);
    answerer.on(kFolderBrowserTitle)
        .run([cardFolder](HWND browser) {
            SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(cardFolder.c_str()));
        })
        .click(IDOK);
    answerer.on("").run([&message](HWND box) { message = staticTexts(box); }).click(IDOK);
    answerer.on(kTransferTitle)
        .run([&copyRemembered](HWND d) { copyRemembered = buttonTicked(d, IDC_TRANSFERIR_COPIA); })
        .click(IDCANCEL);
    answerer.start();
    sendCommand(window->hwnd(), ID_TRANSFERIR);
    sendCommand(window->hwnd(), ID_TRANSFERIR);
    GUI_REQUIRE(answerer.finish());

    GUI_CHECK(tcpIpFirst);
    GUI_CHECK(!message.empty() && message.back() == kDoneText);
    GUI_CHECK(copyRemembered);
    GUI_CHECK_EQ(readFileBytes(card.path("trdev.xml")), readFileBytes(folder.path("casa.xml")));
    GUI_CHECK(readFileBytes(card.path("inicio.png")) == readFileBytes(folder.path("inicio.png")));
    GUI_CHECK(readFileBytes(card.path("luces.png")) == readFileBytes(folder.path("luces.png")));
}

GUI_TEST(Transfer, AnIncompleteCardCopyIsReportedAsAnError) {
    TempFolder folder, card;
    GUI_REQUIRE(writeTestPicture(folder.path("inicio.png"), 120, 90));
    GUI_REQUIRE(writeFileBytes(folder.path("casa.xml"), kProjectXml));  // luces.png is missing
    ProgramFileAccess files;
    auto window = createMainWindow();
    GUI_REQUIRE(openProject(*window, folder.path("casa.xml")));
    std::string cardFolder = card.dir().substr(0, card.dir().size() - 1);
    Answerer answerer;
    // The missing picture is a finding of the check: transfer anyway.
    answerer.on("Verificar proyecto").click(IDYES);
    answerer.on(kTransferTitle)
        .run([](HWND d) { CheckRadioButton(d, IDC_TRANSFERIR_TCPIP, IDC_TRANSFERIR_COPIA, IDC_TRANSFERIR_COPIA); })
        .click(IDOK);
    answerer.on(kFolderBrowserTitle)
        .run([cardFolder](HWND browser) {
            SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(cardFolder.c_str()));
        })
        .click(IDOK);
    answerer.on("ERROR").click(IDOK);
    answerer.start();
    sendCommand(window->hwnd(), ID_TRANSFERIR);
    GUI_REQUIRE(answerer.finish());
    GUI_CHECK_EQ(answerer.seen(3).texts.back(), std::string("La copia qued\xF3 incompleta. No se pudo copiar:\nluces.png\n"));
    GUI_CHECK(readFileBytes(card.path("inicio.png")) == readFileBytes(folder.path("inicio.png")));
}

namespace {

const char kAddressTitle[] = "Direcci\xF3n del dispositivo";

// Keeps what the firewall step asks for and launches nothing.
struct RecordingLauncher : ElevatedLauncher {
    std::vector<ElevatedRequest> requests;
    ElevatedOutcome run(HWND, const ElevatedRequest& request, DWORD& exitCode) override {
        requests.push_back(request);
        exitCode = 0;
        return ElevatedOutcome::Finished;
    }
};

// Runs "Transferir a dispositivo" over TCP/IP with `steps` answering the
// progress dialog (which they must close), then waits for it to go.
void transferWith(MainWindow& window, const std::function<void(Answerer&)>& steps) {
    bool tcpIpTicked = false;
    Answerer answerer;
    chooseMethod(answerer, IDC_TRANSFERIR_TCPIP, tcpIpTicked);
    steps(answerer);
    answerer.start();
    sendCommand(window.hwnd(), ID_TRANSFERIR);
    GUI_CHECK(answerer.finish(45000));
}

bool closeProgress(HWND progress) {
    PostMessageA(progress, WM_COMMAND, IDCANCEL, 0);
    return waitFor([progress] { return !IsWindowVisible(progress); }, 10000);
}

// Enter closes the progress dialog (or, failing that, its button does).
bool pressEnterCloses(HWND progress) {
    pressKey(VK_RETURN);
    const bool closed = waitFor([progress] { return !IsWindowVisible(progress); }, 5000);
    if (!closed)
        closeProgress(progress);
    return closed;
}

std::string rememberedSetting() {
    std::string stored;
    Settings::current().readText(setting::kDireccionesDispositivo, stored);
    return stored;
}

}  // namespace

GUI_TEST(Transfer, ATypedAddressTransfersEveryFileAndIsRemembered) {
    OpenedProject opened;
    GUI_REQUIRE(opened.ready);
    GuiDevice device("quiet");
    GUI_REQUIRE(device.started());
    std::string status;
    bool connectEnabled = true, closedByEnter = false;
    transferWith(*opened.window, [&](Answerer& answerer) {
        // From the keyboard: back from the right-hand button to "Conectar a dirección...".
        answerer.on(kTransferTitle).run([](HWND) {
            Sleep(500);
            pressKey(VK_TAB, false, true);
            pressKey(VK_RETURN);
        });
        answerer.on(kAddressTitle).type(IDC_DIRECCION_COMBO, " 127.0.0.1 ").click(IDOK);
        answerer.on(kTransferTitle).run([&](HWND progress) {
            waitFor([&] { return controlText(progress, IDC_SUBIR_ESTADO) == kDoneText; }, 20000);
            status = controlText(progress, IDC_SUBIR_ESTADO);
            connectEnabled = IsWindowEnabled(GetDlgItem(progress, IDC_SUBIR_CONECTAR)) != FALSE;
            closedByEnter = pressEnterCloses(progress);
        });
    });
    GUI_CHECK(closedByEnter);
    GUI_CHECK_EQ(status, std::string(kDoneText));
    GUI_CHECK(!connectEnabled);
    GUI_CHECK(device.finish(10000));
    GUI_CHECK_EQ(device.received("trdev.xml"), readFileBytes(opened.folder.path("casa.xml")));
    GUI_CHECK(device.received("inicio.png") == readFileBytes(opened.folder.path("inicio.png")));
    GUI_CHECK(device.received("luces.png") == readFileBytes(opened.folder.path("luces.png")));
    GUI_CHECK_EQ(rememberedSetting(), std::string("127.0.0.1"));
}

GUI_TEST(Transfer, ARefusedConnectionToATypedAddressEndsWithTheErrorInTime) {
    OpenedProject opened;
    GUI_REQUIRE(opened.ready);
    std::string status, refusal, rememberedAfterError, secondStatus;
    DWORD acceptedAt = 0, endedAt = 0;
    bool connectEnabled = false;
    std::unique_ptr<GuiDevice> device;
    transferWith(*opened.window, [&](Answerer& answerer) {
        answerer.on(kTransferTitle).click(IDC_SUBIR_CONECTAR);
        // Read as octal by the system: refused, and the dialog stays.
        answerer.on(kAddressTitle).type(IDC_DIRECCION_COMBO, "010.0.0.1").click(IDOK);
        answerer.on("").run([&](HWND box) { refusal = staticTexts(box).back(); }).click(IDOK);
        answerer.on(kAddressTitle).type(IDC_DIRECCION_COMBO, "127.0.0.1").run([&](HWND) {
            acceptedAt = GetTickCount();
        }).click(IDOK);
        answerer.on(kTransferTitle).run([&](HWND progress) {
            waitFor([&] { return controlText(progress, IDC_SUBIR_ESTADO).find("connect socket") != std::string::npos; },
                    10000);
            endedAt = GetTickCount();
            status = controlText(progress, IDC_SUBIR_ESTADO);
            rememberedAfterError = rememberedSetting();
            connectEnabled = IsWindowEnabled(GetDlgItem(progress, IDC_SUBIR_CONECTAR)) != FALSE;
            // Another try in the same dialog, now with a device listening.
            device.reset(new GuiDevice("quiet"));
            Sleep(1000);
        }).click(IDC_SUBIR_CONECTAR);
        answerer.on(kAddressTitle).type(IDC_DIRECCION_COMBO, "127.0.0.1").click(IDOK);
        answerer.on(kTransferTitle).run([&](HWND progress) {
            waitFor([&] { return controlText(progress, IDC_SUBIR_ESTADO) == kDoneText; }, 20000);
            secondStatus = controlText(progress, IDC_SUBIR_ESTADO);
            closeProgress(progress);
        });
    });
    GUI_CHECK(refusal.find("direcci\xF3n no es v\xE1lida") != std::string::npos);
    GUI_CHECK_EQ(status, std::string("Error en la operaci\xF3n: connect socket (\xBF" "espera el dispositivo el proyecto?)"));
    // Within the connect limit (a refusal ends at once).
    std::printf("connect error shown %lu ms after Aceptar\n", static_cast<unsigned long>(endedAt - acceptedAt));
    GUI_CHECK(endedAt - acceptedAt < 5000);
    GUI_CHECK_EQ(rememberedAfterError, std::string(""));
    GUI_CHECK(connectEnabled);
    GUI_CHECK_EQ(secondStatus, std::string(kDoneText));
    GUI_CHECK(device && device->finish(10000));
}

GUI_TEST(Transfer, AfterFifteenSecondsTheHintOffersTheFirewallStep) {
    OpenedProject opened;
    GUI_REQUIRE(opened.ready);
    RecordingLauncher launcher;
    ElevatedLauncher::install(&launcher);
    bool hintShown = false, hiddenBefore = false, firewallEnabled = false;
    RECT before = {}, after = {};
    std::string result;
    transferWith(*opened.window, [&](Answerer& answerer) {
        answerer.on(kTransferTitle).run([&](HWND progress) {
            GetWindowRect(progress, &before);
            hiddenBefore = !IsWindowVisible(GetDlgItem(progress, IDC_SUBIR_AVISO));
            hintShown = waitFor([progress] { return IsWindowVisible(GetDlgItem(progress, IDC_SUBIR_AVISO)) != FALSE; },
                                20000);
            GetWindowRect(progress, &after);
            // Time for a screenshot of the dialog as the user sees it.
            Sleep(3000);
        }).click(IDC_SUBIR_FIREWALL).run([&](HWND progress) {
            waitFor([progress] { return !controlText(progress, IDC_SUBIR_FIREWALL_RESULTADO).empty(); }, 5000);
            result = controlText(progress, IDC_SUBIR_FIREWALL_RESULTADO);
            firewallEnabled = IsWindowEnabled(GetDlgItem(progress, IDC_SUBIR_FIREWALL)) != FALSE;
            closeProgress(progress);
        });
    });
    ElevatedLauncher::install(nullptr);
    GUI_CHECK(hiddenBefore);
    GUI_CHECK(hintShown);
    GUI_CHECK(after.bottom - after.top > before.bottom - before.top);
    GUI_REQUIRE(launcher.requests.size() == 1);
    const ElevatedRequest& request = launcher.requests[0];
    // This program itself, by its full wide path, with the step's one parameter.
    WCHAR program[1024] = L"";
    GetModuleFileNameW(nullptr, program, 1024);
    const std::u16string parameter(kFirewallParameter);
    GUI_CHECK(request.verb == L"runas");
    GUI_CHECK(request.program == program);
    GUI_CHECK(request.parameters == WideText(parameter.begin(), parameter.end()));
    // Nothing made the rule, so the firewall cannot show it.
    const std::u16string programPath(program, program + lstrlenW(program));
    GUI_CHECK_EQ(result, firewallOutcomeText({ElevatedOutcome::Finished, 0, {}}, programPath));
    GUI_CHECK(firewallEnabled);
}

GUI_TEST(Transfer, AWorkerEndedBeforeAnyAnnouncementOffersNoHintAndEnterCloses) {
    OpenedProject opened;
    GUI_REQUIRE(opened.ready);
    net::Handle taken = net::openUdp();
    GUI_REQUIRE(taken != net::kNoSocket && net::bindAnyAddress(taken, 9835));
    bool failed = false, hintShown = true, connectEnabled = true, closedByEnter = false;
    transferWith(*opened.window, [&](Answerer& answerer) {
        answerer.on(kTransferTitle).run([&](HWND progress) {
            failed = waitFor([&] { return controlText(progress, IDC_SUBIR_ESTADO) != kWaitingText; }, 5000);
            // Past the hint's delay.
            hintShown = waitFor([progress] { return IsWindowVisible(GetDlgItem(progress, IDC_SUBIR_AVISO)) != FALSE; },
                                17000);
            connectEnabled = IsWindowEnabled(GetDlgItem(progress, IDC_SUBIR_CONECTAR)) != FALSE;
            closedByEnter = pressEnterCloses(progress);
        });
    });
    net::closeSocket(taken);
    GUI_CHECK(failed);
    GUI_CHECK(!hintShown);
    GUI_CHECK(!connectEnabled);
    GUI_CHECK(closedByEnter);
}
