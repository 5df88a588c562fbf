#include "transfer/CardCopy.h"

#include "model/FileAccess.h"
#include "model/Proyecto.h"
#include "transfer/PictureNames.h"

const char kDeviceProjectName[] = "trdev.xml";

std::string cardFolderPrefix(const std::string& folder) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/'))
        return folder;
    return folder + '\\';
}

int copyProjectToCard(const Proyecto& project, const std::string& folder, FileAccess& files) {
    const std::string prefix = cardFolderPrefix(folder);
    int failures = 0;
    if (!files.copy(project.archivo, prefix + kDeviceProjectName))
        ++failures;
    for (const std::string& nombre : project.pageNames()) {
        const std::string& imagen = project.findPage(nombre)->imagen;
        if (!isSafePictureName(imagen)) {
            ++failures;
            continue;
        }
        if (!files.copy(picturePath(project.archivo, imagen), prefix + imagen))
            ++failures;
    }
    return failures;
}
