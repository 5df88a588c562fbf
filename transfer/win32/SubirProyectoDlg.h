// The network transfer progress dialog; runs the transfer worker while open.
#pragma once

#include "app/Dialog.h"

class Proyecto;
class SubirProyecto;

class SubirProyectoDlg : public Dialog {
public:
    SubirProyectoDlg(HWND owner, Proyecto* project);
    ~SubirProyectoDlg();  // stops and awaits the worker

    Proyecto* project;
    SubirProyecto* worker;  // owned; null when none runs

    INT_PTR onInitDialog() override;
    INT_PTR onCancel() override;

private:
    void stopWorker();
};
