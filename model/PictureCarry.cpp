#include "PictureCarry.h"

#include <algorithm>

#include "FileAccess.h"
#include "Proyecto.h"

std::vector<std::string> carryPictures(const Proyecto& project, const std::string& fromFile,
                                       const std::string& toFile, FileAccess& files,
                                       const std::function<bool(const std::string&)>& mayReplace) {
    std::vector<std::string> failed;
    if (equalIgnoringCase(folderOf(fromFile), folderOf(toFile)))
        return failed;
    std::vector<std::string> done;
    for (const auto& page : project.paginas) {
        const std::string& name = page->imagen;
        if (name.empty() || isAbsolutePath(name) || std::find(done.begin(), done.end(), name) != done.end())
            continue;
        done.push_back(name);
        const std::string target = picturePath(toFile, name);
        if (files.exists(target) && !mayReplace(name))
            continue;
        if (!files.copy(picturePath(fromFile, name), target))
            failed.push_back(name);
    }
    return failed;
}
