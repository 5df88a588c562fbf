#include "transfer/win32/SubirProyecto.h"

#include "model/Proyecto.h"
#include "transfer/DeviceProtocol.h"
#include "transfer/PictureNames.h"

SubirProyecto::SubirProyecto(SubirProyectoDlg* dialog, HWND dialogWindow, Proyecto* project)
    : busy(1),
      dialog(dialog),
      project(project),
      observer_(dialogWindow),
      body_(observer_, project->archivo, servedPictureNames(*project), kDevicePort) {}

SubirProyecto::~SubirProyecto() {
    body_.requestStop();
    waitUntilIdle();
}

int SubirProyecto::run() {
    int result = -1;
    try {
        result = body_.run();
    } catch (...) {
    }
    // From here on the owner may free this object.
    InterlockedExchange(&busy, 0);
    return result;
}

void SubirProyecto::waitUntilIdle() {
    if (!threadHandle) {
        InterlockedExchange(&busy, 0);  // never started
        return;
    }
    // The worker sets the dialog's texts with messages sent to this thread;
    // serve them while waiting, or the two threads would wait for each other.
    while (InterlockedCompareExchange(&busy, 0, 0) != 0) {
        MsgWaitForMultipleObjects(1, &threadHandle, FALSE, 50, QS_SENDMESSAGE);
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}
