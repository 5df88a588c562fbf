// The page dialog: name, orientations, picture and start
// command of a page. PaginaForm and PictureChoice decide; this class moves
// text in and out of the controls.
#pragma once

#include <string>
#include <vector>

#include "app/Dialog.h"
#include "model/Comando.h"
#include "ui/PaginaForm.h"

// The edited values are PaginaForm's fields: nombre, orientaciones, imagen,
// comandoInicial.
class PaginaDlg : public Dialog, public PaginaForm {
public:
    // `comando` null starts with an empty command. A chosen picture is copied
    // beside `projectFile`; `otherNames` are the names the page may not take.
    // Read the edited values only after runModal() returned 1.
    PaginaDlg(HWND owner, const std::string& nombre, const std::string& orientaciones,
              const std::string& imagen, const Comando* comando, const std::string& projectFile = "",
              const std::vector<std::string>& otherNames = {});

    INT_PTR onInitDialog() override;
    INT_PTR onOk() override;
    INT_PTR onCommand(WPARAM wParam, WORD notifyLow, WORD notifyHigh) override;

private:
    void choosePicture(HWND dialog);
    void editCommand(HWND dialog);

    std::string projectFolder_;
};
