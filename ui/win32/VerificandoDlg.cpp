#include "ui/win32/VerificandoDlg.h"

#include <commctrl.h>

#include "base/resource.h"
#include "ui/CheckRun.h"
#include "ui/win32/CheckWorker.h"

namespace {

const UINT_PTR kPollTimer = 1;
const UINT kPollMs = 50;

}  // namespace

std::optional<std::vector<ProjectFinding>> VerificandoDlg::check(HWND owner, const Proyecto& project,
                                                                 const CheckOptions& options) {
    CheckRun run(project, options);
    CheckWorker worker(run);
    if (!worker.start()) {
        run.work();  // no thread to be had: the check still gets done
        return run.findings();
    }
    if (!worker.endsWithin(CheckRun::kQuietMilliseconds)) {
        VerificandoDlg dialog(owner, run);
        dialog.runModal();
    }
    worker.waitUntilDone();
    return run.findings();
}

VerificandoDlg::VerificandoDlg(HWND owner, CheckRun& run) : Dialog(owner, IDD_VERIFICANDO), run_(run) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
}

INT_PTR VerificandoDlg::onInitDialog() {
    showProgress();
    SetTimer(hwnd(), kPollTimer, kPollMs, nullptr);
    return TRUE;
}

// The dialog stays until the worker has let go of the project, which is
// after the page it is on.
INT_PTR VerificandoDlg::onCancel() {
    run_.stop();
    EnableWindow(GetDlgItem(hwnd(), IDCANCEL), FALSE);
    return 1;
}

INT_PTR VerificandoDlg::onMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_TIMER || wParam != kPollTimer)
        return 0;
    showProgress();
    if (run_.finished()) {
        KillTimer(hwnd(), kPollTimer);
        close(IDOK);
    }
    return 1;
}

void VerificandoDlg::showProgress() {
    HWND bar = GetDlgItem(hwnd(), IDC_VERIFICANDO_PROGRESO);
    SendMessageA(bar, PBM_SETRANGE32, 0, static_cast<LPARAM>(run_.pageCount()));
    SendMessageA(bar, PBM_SETPOS, static_cast<WPARAM>(run_.pagesDone()), 0);
}
