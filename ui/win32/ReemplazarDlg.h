// "Reemplazar en comandos": the field, the scope, the value in use (listed
// with its count) and the new one. OK checks the new value and hands back
// the request; a refused value keeps the dialog open, its field focused.
#pragma once

#include <cstddef>
#include <vector>

#include "ui/CommandReplace.h"
#include "win32/Dialog.h"

class ReemplazarDlg : public Dialog {
public:
    ReemplazarDlg(HWND owner, const Proyecto& project, size_t shownPage);

    INT_PTR onInitDialog() override;
    INT_PTR onOk() override;
    INT_PTR onCommand(WPARAM wParam, WORD, WORD) override;

    // What to replace, after OK.
    ReplaceRequest request;

private:
    ReplaceField field() const;
    ReplaceScope scope() const;
    void listValues();

    const Proyecto& project_;
    std::vector<UsedValue> values_;
};
