#include "ui/win32/ProjectFileDialogs.h"

#include "model/ProjectFile.h"
#include "base/texts.h"
#include "ui/win32/FileDialog.h"

namespace {

const char kFilter[] = "Archivos (*.xml)\0*.xml\0";

}  // namespace

std::string askFileToOpen(HWND owner) {
    FileDialogRequest request;
    request.title = kOpenFileTitle;
    request.filter = kFilter;
    request.initialFolder = ".\\";
    request.flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    return askFilePath(owner, request);
}

std::string askFileToSave(HWND owner) {
    FileDialogRequest request;
    request.save = true;
    request.title = "Guardar como";
    request.filter = kFilter;
    request.flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
    return askFilePath(owner, request);
}

bool saveProject(HWND owner, Proyecto& project) {
    if (project.archivo.empty())
        project.archivo = askFileToSave(owner);
    if (project.archivo.empty())
        return false;
    writeProjectFile(project);
    return true;
}
