// The copy to pages: the project's other pages, each with a check box.
// OK hands back the pages checked.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "win32/Dialog.h"

class CopiarPaginasDlg : public Dialog {
public:
    // `names`: every page of the project; `shown`: the one the regions come from, left out.
    CopiarPaginasDlg(HWND owner, const std::vector<std::string>& names, size_t shown);

    INT_PTR onInitDialog() override;
    INT_PTR onOk() override;

    // The indices of the pages checked, after OK.
    std::vector<size_t> pages;

private:
    HWND list() const;

    std::vector<std::string> names_;
    std::vector<size_t> listed_;  // the page index of each row
};
