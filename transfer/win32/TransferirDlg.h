// The transfer method dialog: TCP/IP (posts command 2817 to the owner) or a
// copy onto the device's SD card. Win32 layer (wineg++).
#pragma once

#include "app/Dialog.h"

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
