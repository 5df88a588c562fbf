#include "transfer/win32/SubirProyectoDlg.h"

#include <commctrl.h>

#include <new>
#include <string>

#include "resources/resource.h"
#include "resources/texts.h"
#include "transfer/DeviceTransfer.h"
#include "transfer/TransferProgress.h"
#include "transfer/win32/SubirProyecto.h"

SubirProyectoDlg::SubirProyectoDlg(HWND owner, Proyecto* project)
    : Dialog(owner, IDD_SUBIRPROYECTO), project(project), worker(nullptr) {
    // The template's progress bar needs its class registered.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
}

SubirProyectoDlg::~SubirProyectoDlg() {
    stopWorker();
}

void SubirProyectoDlg::stopWorker() {
    delete worker;
    worker = nullptr;
}

INT_PTR SubirProyectoDlg::onInitDialog() {
    SendDlgItemMessageA(hwnd, IDC_SUBIR_PROGRESO, PBM_SETRANGE32, 0, kProgressScale);
    worker = new (std::nothrow) SubirProyecto(this, hwnd, project);
    if (!worker || !worker->start()) {
        stopWorker();
        // Without a worker nothing would ever replace "Esperando conexión".
        SetDlgItemTextA(hwnd, IDC_SUBIR_ESTADO, (std::string(kErrorPrefix) + "create thread").c_str());
        SetDlgItemTextA(hwnd, IDCANCEL, kOkLabel);
    }
    return FALSE;
}

// Also the "OK" button once the worker has ended, Escape and the close box.
INT_PTR SubirProyectoDlg::onCancel() {
    stopWorker();
    close(IDCANCEL);
    return 1;
}
