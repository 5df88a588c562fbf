// The progress of a long check: a bar by pages and Cancel. check() runs the
// check on a worker thread and shows this window only when the check has
// not ended within a fifth of a second; being modal, it keeps the project
// from changing meanwhile.
#pragma once

#include <optional>
#include <vector>

#include "model/ProjectCheck.h"
#include "win32/Dialog.h"

class CheckRun;

class VerificandoDlg : public Dialog {
public:
    // The findings, or none when the user cancelled.
    static std::optional<std::vector<ProjectFinding>> check(HWND owner, const Proyecto& project,
                                                            const CheckOptions& options);

    VerificandoDlg(HWND owner, CheckRun& run);

    INT_PTR onInitDialog() override;
    INT_PTR onCancel() override;
    INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void showProgress();

    CheckRun& run_;
};
