#include "transfer/CardCopy.h"

#include "model/FileAccess.h"
#include "model/Proyecto.h"
#include "transfer/PictureNames.h"
#include "base/NameList.h"

const char kDeviceProjectName[] = "trdev.xml";

std::string cardFolderPrefix(const std::string& folder) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/'))
        return folder;
    return folder + '\\';
}

CardCopyReport copyProjectToCard(const Proyecto& project, const std::string& folder, FileAccess& files) {
    const std::string prefix = cardFolderPrefix(folder);
    CardCopyReport report;
    report.projectFileCopied = files.copy(project.archivo, prefix + kDeviceProjectName);
    // Each file once: pages that share a picture need it on the card once.
    for (const std::string& imagen : servedPictureNames(project)) {
        if (!isSafePictureName(imagen) ||
            !copyMakingFolders(files, picturePath(project.archivo, imagen), prefix + imagen))
            report.picturesNotCopied.push_back(imagen);
    }
    return report;
}

std::string cardCopyFailureText(const CardCopyReport& report) {
    std::vector<std::string> missing;
    if (!report.projectFileCopied)
        missing.push_back(std::string("el archivo del proyecto (") + kDeviceProjectName + ")");
    missing.insert(missing.end(), report.picturesNotCopied.begin(), report.picturesNotCopied.end());
    return "La copia qued\xF3 incompleta. No se pudo copiar:\n" + nameListText(missing);
}
