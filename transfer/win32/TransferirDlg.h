// The transfer method dialog: TCP/IP (posts ID_TRANSFERIR_TCPIP to the
// owner) or a copy onto the device's SD card.
#pragma once

#include "win32/Dialog.h"

class Proyecto;

class TransferirDlg : public Dialog {
public:
    TransferirDlg(HWND owner, Proyecto* project);

    Proyecto* project;

    INT_PTR onInitDialog() override;
    INT_PTR onOk() override;

private:
    void copyToCard();
};
