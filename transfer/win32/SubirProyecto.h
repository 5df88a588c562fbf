// The network transfer worker: runs the device exchange (DeviceTransfer) on
// a CreateThread thread and shows its progress in the dialog. Deleting it
// stops the exchange and waits for the thread.
#pragma once

#include <windows.h>

#include "transfer/DeviceTransfer.h"
#include "transfer/win32/DialogStatusObserver.h"
#include "win32/Thread.h"

class Proyecto;
class SubirProyectoDlg;

class SubirProyecto : public Thread {
public:
    // Reads what it needs of `project` here, on the caller's thread: the
    // file path and the page pictures the device may ask for.
    SubirProyecto(SubirProyectoDlg* dialog, HWND dialogWindow, Proyecto* project);
    // Stops the exchange, waits until run() has finished, closes the handle.
    ~SubirProyecto() override;

    int run() override;
    bool keepRunning() const { return body_.keepRunning(); }
    void connectToAddress(const std::string& address) { body_.connectToAddress(address); }

    volatile LONG busy;  // 1 from construction until run() has returned
    SubirProyectoDlg* dialog;
    Proyecto* project;

private:
    void waitUntilIdle();

    DialogStatusObserver observer_;
    DeviceTransfer body_;
};
