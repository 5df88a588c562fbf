// The findings of the project check in a list with the columns severity,
// page, region and description; a click on a column's header sorts by it.
// On its own ("Verificar proyecto") it shows the page of the finding the
// user chooses and offers the check's options; before a transfer it asks
// whether to go on, No by default.
#pragma once

#include <functional>
#include <vector>

#include "ui/FindingTable.h"
#include "win32/Dialog.h"

class VerificarDlg : public Dialog {
public:
    enum class Use { Browse, AskBeforeTransfer };
    // Asks for the options over `dialog` and checks again: false when the
    // options were left as they were, else true with the new findings.
    using OptionsChange = std::function<bool(HWND dialog, std::vector<ProjectFinding>& findings)>;

    VerificarDlg(HWND owner, const Proyecto& project, std::vector<ProjectFinding> findings, Use use,
                 OptionsChange optionsChange = nullptr);

    // Browse: IDOK with `chosen` the finding chosen (double click, Enter or
    // "Ver"), IDCANCEL when closed. Ask: IDYES to transfer anyway, IDNO or
    // IDCANCEL not to.
    ProjectFinding chosen;

    INT_PTR onInitDialog() override;
    INT_PTR onOk() override;
    INT_PTR onCommand(WPARAM wParam, WORD, WORD) override;
    INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HWND list() const;
    void addColumns();
    void fillList(int selectedRow);
    void fitColumns();
    int selectedRow() const;
    void sortBy(int column);
    void changeOptions();

    const Proyecto& project_;
    FindingTable table_;
    OptionsChange optionsChange_;
};
