#include "transfer/win32/SubirProyectoDlg.h"

#include <new>

#include "resources/resource.h"
#include "transfer/win32/SubirProyecto.h"

SubirProyectoDlg::SubirProyectoDlg(HWND owner, Proyecto* project)
    : Dialog(owner, IDD_SUBIRPROYECTO), project(project), worker(nullptr) {}

SubirProyectoDlg::~SubirProyectoDlg() {
    stopWorker();
}

void SubirProyectoDlg::stopWorker() {
    delete worker;
    worker = nullptr;
}

INT_PTR SubirProyectoDlg::onInitDialog() {
    worker = new (std::nothrow) SubirProyecto(this, hwnd, project);
    if (worker && !worker->start())
        stopWorker();
    return FALSE;
}

// Also the "OK" button once the worker has ended, Escape and the close box.
INT_PTR SubirProyectoDlg::onCancel() {
    stopWorker();
    close(IDCANCEL);
    return 1;
}
