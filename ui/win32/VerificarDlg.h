// The findings of the project check, one per line of a list. On its own
// ("Verificar proyecto") it shows the page of the finding the
// user chooses; before a transfer it asks whether to go on,
// No by default.
#pragma once

#include <string>
#include <vector>

#include "win32/Dialog.h"

class VerificarDlg : public Dialog {
public:
    enum class Use { Browse, AskBeforeTransfer };

    VerificarDlg(HWND owner, const std::vector<std::string>& lines, Use use);

    // Browse: 1 with `chosen` the line chosen (double click or "Ver"), 2
    // when closed. Ask: IDYES to transfer anyway, IDNO or 2 not to.
    int chosen;

    INT_PTR onInitDialog() override;
    INT_PTR onOk() override;
    INT_PTR onCommand(WPARAM wParam, WORD, WORD) override;

private:
    std::vector<std::string> lines_;
};
