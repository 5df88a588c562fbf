// The position and size of the selection, typed: glue between the dialog's
// fields and PlacementForm, whose refusal keeps the dialog open.
#pragma once

#include "ui/PlacementForm.h"
#include "win32/Dialog.h"

class PosicionDlg : public Dialog {
public:
    PosicionDlg(HWND owner, const PlacementForm& form);

    INT_PTR onInitDialog() override;
    INT_PTR onOk() override;

    // The box typed, after OK.
    PlacementForm form;
};
