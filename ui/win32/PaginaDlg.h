// The page dialog: name, orientations, picture and start
// command of a page. PaginaForm and PictureChoice decide; this class moves
// text in and out of the controls.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "win32/Dialog.h"
#include "model/Comando.h"
#include "ui/PaginaForm.h"
#include "ui/PictureChoice.h"

// The edited values are PaginaForm's fields: nombre, orientaciones, imagen,
// comandoInicial.
class PaginaDlg : public Dialog, public PaginaForm {
public:
    // `comando` null starts with an empty command. A chosen picture is copied
    // beside `projectFile` on OK; `otherNames` are the names the page may not
    // take; `otherPictures`, those of the other pages, are named when their
    // file would be replaced. Read the edited values only after runModal()
    // returned 1.
    PaginaDlg(HWND owner, const std::string& nombre, const std::string& orientaciones,
              const std::string& imagen, const Comando* comando, const std::string& projectFile = "",
              const std::vector<std::string>& otherNames = {}, std::vector<PagePicture> otherPictures = {});

    INT_PTR onInitDialog() override;
    INT_PTR onOk() override;
    INT_PTR onCommand(WPARAM wParam, WORD notifyLow, WORD notifyHigh) override;

private:
    void choosePicture(HWND dialog);
    void editCommand(HWND dialog);

    std::string projectFolder_;
    std::vector<PagePicture> otherPictures_;
    // The picture chosen last, copied only if OK keeps its name in the field.
    std::optional<PictureChoice> pendingPicture_;
};
