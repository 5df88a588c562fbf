#include "transfer/CardCopy.h"

#include <algorithm>

#include "model/FileAccess.h"
#include "model/Proyecto.h"
#include "transfer/PictureNames.h"
#include "ui/NameList.h"

const char kDeviceProjectName[] = "trdev.xml";

std::string cardFolderPrefix(const std::string& folder) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/'))
        return folder;
    return folder + '\\';
}

static void noteMissing(CardCopyReport& report, const std::string& imagen) {
    std::vector<std::string>& missing = report.picturesNotCopied;
    if (std::find(missing.begin(), missing.end(), imagen) == missing.end())
        missing.push_back(imagen);
}

CardCopyReport copyProjectToCard(const Proyecto& project, const std::string& folder, FileAccess& files) {
    const std::string prefix = cardFolderPrefix(folder);
    CardCopyReport report;
    report.projectFileCopied = files.copy(project.archivo, prefix + kDeviceProjectName);
    for (const auto& page : project.paginas) {
        const std::string& imagen = page->imagen;
        if (!isSafePictureName(imagen) || !files.copy(picturePath(project.archivo, imagen), prefix + imagen))
            noteMissing(report, imagen);
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
