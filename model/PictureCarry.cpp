#include "PictureCarry.h"

#include <algorithm>

#include "FileAccess.h"
#include "Proyecto.h"

std::vector<std::string> carryPictures(const Proyecto& project, const std::string& fromFile,
                                       const std::string& toFile, FileAccess& files,
                                       const std::function<ReplaceAnswer(const std::string&)>& mayReplace) {
    std::vector<std::string> notCarried;
    if (equalIgnoringCase(folderOf(fromFile), folderOf(toFile)))
        return notCarried;
    std::vector<std::string> done;
    bool stopped = false;
    for (const auto& page : project.paginas) {
        const std::string& name = page->imagen;
        // An absolute name already works from anywhere.
        if (name.empty() || isAbsolutePath(name) || std::find(done.begin(), done.end(), name) != done.end())
            continue;
        done.push_back(name);
        // A name with ".." would write beside or above the chosen folder.
        if (stopped || !isSafePictureName(name)) {
            notCarried.push_back(name);
            continue;
        }
        const std::string target = picturePath(toFile, name);
        if (files.exists(target)) {
            ReplaceAnswer answer = mayReplace(name);
            stopped = answer == ReplaceAnswer::Stop;
            if (stopped)
                notCarried.push_back(name);
            if (answer != ReplaceAnswer::Replace)
                continue;
        }
        if (!copyMakingFolders(files, picturePath(fromFile, name), target))
            notCarried.push_back(name);
    }
    return notCarried;
}
