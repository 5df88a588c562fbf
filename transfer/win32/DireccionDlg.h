// Asks for the device's address: one editable combo offering the addresses
// remembered from earlier transfers, the most recent filled in.
#pragma once

#include <string>
#include <vector>

#include "win32/Dialog.h"

class DireccionDlg : public Dialog {
public:
    DireccionDlg(HWND owner, const std::vector<std::string>& remembered);

    std::string address;  // the accepted address, trimmed

    INT_PTR onInitDialog() override;
    INT_PTR onOk() override;

private:
    std::vector<std::string> remembered_;
};
