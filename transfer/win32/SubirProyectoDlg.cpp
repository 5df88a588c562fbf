#include "transfer/win32/SubirProyectoDlg.h"

#include <commctrl.h>

#include <new>
#include <string>

#include "model/Settings.h"
#include "base/resource.h"
#include "base/texts.h"
#include "transfer/DeviceAddress.h"
#include "transfer/DeviceTransfer.h"
#include "transfer/TransferProgress.h"
#include "transfer/win32/DireccionDlg.h"
#include "transfer/win32/ElevatedCommand.h"
#include "transfer/win32/FirewallReadBack.h"
#include "transfer/win32/SubirProyecto.h"

namespace {

const UINT_PTR kHintTimer = 1;
const UINT kHintDelayMs = 15000;
// Dialog units the dialog grows by to show the hint.
const int kHintHeight = 68;

const char kHint[] =
    "Ning\xFAn dispositivo se ha anunciado todav\xED" "a. Compruebe que el dispositivo est\xE9 esperando el "
    "proyecto y en la misma red que este equipo (en una Wi-Fi de invitados, ponga los dos en la red "
    "principal). Windows puede estar bloqueando el aviso del dispositivo. Tambi\xE9n puede escribir su "
    "direcci\xF3n con \"Conectar a direcci\xF3n...\".";

std::vector<std::string> rememberedDevices() {
    std::string stored;
    if (!Settings::current().readText(setting::kDireccionesDispositivo, stored))
        return {};
    return rememberedAddresses(stored);
}

void rememberDevice(const std::string& address) {
    std::string stored;
    Settings::current().readText(setting::kDireccionesDispositivo, stored);
    Settings::current().writeText(setting::kDireccionesDispositivo, rememberAddress(stored, address));
}

// Moves `control` down by `pixels`.
void moveDown(HWND dialog, int control, int pixels) {
    HWND window = GetDlgItem(dialog, control);
    RECT bounds;
    GetWindowRect(window, &bounds);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&bounds), 2);
    SetWindowPos(window, nullptr, bounds.left, bounds.top + pixels, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOCOPYBITS);
}

}  // namespace

SubirProyectoDlg::SubirProyectoDlg(HWND owner, Proyecto* project)
    : Dialog(owner, IDD_SUBIRPROYECTO), project(project) {
    // The template's progress bar needs its class registered.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
}

SubirProyectoDlg::~SubirProyectoDlg() {
    stopWorker();
}

void SubirProyectoDlg::stopWorker() {
    worker_.reset();
}

INT_PTR SubirProyectoDlg::onInitDialog() {
    SendDlgItemMessageA(hwnd(), IDC_SUBIR_PROGRESO, PBM_SETRANGE32, 0, kProgressScale);
    cancelLabel_ = getItemText(IDCANCEL);
    // The right-hand button, the default one, has the focus: Enter cancels.
    focusRightButton();
    if (!startWorker())
        return FALSE;
    SetTimer(hwnd(), kHintTimer, kHintDelayMs, nullptr);
    return FALSE;
}

bool SubirProyectoDlg::startWorker() {
    worker_.reset(new (std::nothrow) SubirProyecto(this, hwnd(), project));
    if (worker_ && worker_->start())
        return true;
    stopWorker();
    workerNotStarted();
    return false;
}

// Without a worker nothing would ever replace "Esperando conexión".
void SubirProyectoDlg::workerNotStarted() {
    SetDlgItemTextA(hwnd(), IDC_SUBIR_ESTADO, (std::string(kErrorPrefix) + "create thread").c_str());
    SetDlgItemTextA(hwnd(), IDCANCEL, kOkLabel);
    disableButton(IDC_SUBIR_CONECTAR);
}

INT_PTR SubirProyectoDlg::onCommand(WPARAM wParam, WORD, WORD) {
    switch (LOWORD(wParam)) {
    case IDC_SUBIR_CONECTAR: askForAddress(); return 1;
    case IDC_SUBIR_FIREWALL: allowInFirewall(); return 1;
    default: return 0;
    }
}

INT_PTR SubirProyectoDlg::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam != kHintTimer)
            return 0;
        KillTimer(hwnd(), kHintTimer);
        if (!connected_ && !ended_)
            showHint();
        return 1;
    case WM_DEVICE_FOUND:
        deviceFound();
        return 1;
    case WM_DEVICE_SERVED:
        rememberDevice(*reinterpret_cast<const std::string*>(lParam));
        return 1;
    case WM_TRANSFER_FAILED:
        transferFailed();
        return 1;
    default:
        return 0;
    }
}

void SubirProyectoDlg::askForAddress() {
    DireccionDlg dialog(hwnd(), rememberedDevices());
    addressDialog_ = &dialog;
    INT_PTR result = dialog.runModal();
    addressDialog_ = nullptr;
    // The focus came back to this button, disabled meanwhile by an announcement.
    if (!IsWindowEnabled(GetDlgItem(hwnd(), IDC_SUBIR_CONECTAR)))
        focusRightButton();
    if (result != IDOK || connected_)
        return;
    if (ended_) {
        // The last typed address failed: a new worker tries this one.
        stopWorker();
        ended_ = false;
        SetDlgItemTextA(hwnd(), IDCANCEL, cancelLabel_.c_str());
        if (!startWorker())
            return;
    }
    if (worker_) {
        typedAttempt_ = true;
        worker_->connectToAddress(dialog.address);
    }
}

// The announcement came (or the typed address is being tried): nothing
// more to type, and no hint to wait for.
void SubirProyectoDlg::deviceFound() {
    connected_ = true;
    KillTimer(hwnd(), kHintTimer);
    disableButton(IDC_SUBIR_CONECTAR);
    if (addressDialog_)
        addressDialog_->close(IDCANCEL);
}

// The error is on the status line. An ended transfer waits for nothing, but
// after a typed address failed another may be tried.
void SubirProyectoDlg::transferFailed() {
    ended_ = true;
    KillTimer(hwnd(), kHintTimer);
    if (typedAttempt_) {
        typedAttempt_ = false;
        connected_ = false;
        EnableWindow(GetDlgItem(hwnd(), IDC_SUBIR_CONECTAR), TRUE);
        return;
    }
    if (!connected_)
        disableButton(IDC_SUBIR_FIREWALL);
    disableButton(IDC_SUBIR_CONECTAR);
}

// A disabled button keeps no focus: it goes to the right-hand button, which
// Enter then presses.
void SubirProyectoDlg::disableButton(int control) {
    HWND button = GetDlgItem(hwnd(), control);
    const bool focused = GetFocus() == button;
    EnableWindow(button, FALSE);
    if (focused || !GetFocus())
        focusRightButton();
}

void SubirProyectoDlg::focusRightButton() {
    SendMessageA(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(hwnd(), IDCANCEL)), TRUE);
}

void SubirProyectoDlg::showHint() {
    RECT extra = {0, 0, 0, kHintHeight};
    MapDialogRect(hwnd(), &extra);
    RECT frame;
    GetWindowRect(hwnd(), &frame);
    SetWindowPos(hwnd(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + extra.bottom,
                 SWP_NOMOVE | SWP_NOZORDER);
    moveDown(hwnd(), IDC_SUBIR_CONECTAR, extra.bottom);
    moveDown(hwnd(), IDCANCEL, extra.bottom);
    SetDlgItemTextA(hwnd(), IDC_SUBIR_AVISO, kHint);
    ShowWindow(GetDlgItem(hwnd(), IDC_SUBIR_AVISO), SW_SHOW);
    ShowWindow(GetDlgItem(hwnd(), IDC_SUBIR_FIREWALL), SW_SHOW);
    // The moved buttons are painted anew where they now stand.
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void SubirProyectoDlg::allowInFirewall() {
    disableButton(IDC_SUBIR_FIREWALL);
    FirewallStepResult result;
    DWORD exitCode = 0;
    result.outcome = ElevatedLauncher::current().run(hwnd(), firewallRequest(), exitCode);
    result.exitCode = exitCode;
    // netsh's word is not enough: the rule must be there for this program.
    if (result.outcome == ElevatedOutcome::Finished && exitCode == 0)
        result.rulePrograms = programsOfFirewallRule();
    const WideText program = thisProgramPath();
    const std::u16string programPath(program.begin(), program.end());
    SetDlgItemTextA(hwnd(), IDC_SUBIR_FIREWALL_RESULTADO, firewallOutcomeText(result, programPath).c_str());
    ShowWindow(GetDlgItem(hwnd(), IDC_SUBIR_FIREWALL_RESULTADO), SW_SHOW);
    // Once the rule is in place there is nothing more to allow.
    if (!firewallRuleMade(result, programPath))
        EnableWindow(GetDlgItem(hwnd(), IDC_SUBIR_FIREWALL), TRUE);
}

// Also the "OK" button once the worker has ended, Escape and the close box.
INT_PTR SubirProyectoDlg::onCancel() {
    stopWorker();
    close(IDCANCEL);
    return 1;
}
