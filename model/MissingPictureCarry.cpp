#include "MissingPictureCarry.h"

#include <algorithm>
#include <functional>
#include <map>

#include "FileAccess.h"
#include "PictureCarry.h"
#include "Proyecto.h"

namespace {

// A project file beside which `name` resolves to `found`; "" when `found`
// is not where such a name resolves.
std::string projectFileBeside(const std::string& found, const std::string& name) {
    if (found.size() < name.size() || found.compare(found.size() - name.size(), name.size(), name) != 0)
        return std::string();
    return found.substr(0, found.size() - name.size()) + "proyecto.xml";
}

bool contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Asks as `mayReplace` does and remembers whether the user stopped.
struct StopWatchingQuestion {
    const std::function<ReplaceAnswer(const std::string&)>& mayReplace;
    bool stopped = false;
    ReplaceAnswer operator()(const std::string& name) {
        ReplaceAnswer answer = mayReplace(name);
        stopped = stopped || answer == ReplaceAnswer::Stop;
        return answer;
    }
};

}  // namespace

std::vector<std::string> carryMissingPictures(Proyecto& project, FileAccess& files,
                                              const std::function<ReplaceAnswer(const std::string&)>& mayReplace) {
    // The missing pictures, grouped by the folder they were found in, so
    // that each group is one carry from there.
    std::map<std::string, Proyecto> fromFolders;
    std::vector<std::string> queued;
    std::vector<Pagina*> carried;
    for (const auto& page : project.paginas) {
        const std::string& name = page->imagen;
        if (name.empty() || isAbsolutePath(name))
            continue;
        const std::string target = picturePath(project.archivo, name);
        if (files.exists(target)) {
            page->pictureFile = target;
            continue;
        }
        const std::string origin = projectFileBeside(page->pictureFile, name);
        if (origin.empty() || page->pictureFile == target || !files.exists(page->pictureFile))
            continue;
        carried.push_back(page.get());
        if (contains(queued, name))
            continue;
        queued.push_back(name);
        fromFolders[origin].addPage(std::make_unique<Pagina>(*page));
    }
    std::vector<std::string> failed;
    StopWatchingQuestion question{mayReplace};
    for (const auto& group : fromFolders) {
        if (question.stopped) {
            for (const auto& page : group.second.paginas)
                failed.push_back(page->imagen);
            continue;
        }
        std::vector<std::string> notCopied =
            carryPictures(group.second, group.first, project.archivo, files, std::ref(question));
        failed.insert(failed.end(), notCopied.begin(), notCopied.end());
    }
    for (Pagina* page : carried)
        if (!contains(failed, page->imagen) && files.exists(picturePath(project.archivo, page->imagen)))
            page->pictureFile = picturePath(project.archivo, page->imagen);
    return failed;
}

std::vector<std::string> completeSavedProject(Proyecto& project, const std::string& previousFile, FileAccess& files,
                                              const std::function<ReplaceAnswer(const std::string&)>& mayReplace) {
    std::vector<std::string> failed;
    if (!previousFile.empty()) {
        StopWatchingQuestion question{mayReplace};
        failed = carryPictures(project, previousFile, project.archivo, files, std::ref(question));
        if (question.stopped)
            return failed;
    }
    // A picture missing beside the previous file may have come from where its page found it.
    std::vector<std::string> notCarried = carryMissingPictures(project, files, mayReplace);
    failed.erase(std::remove_if(failed.begin(), failed.end(),
                                [&](const std::string& name) {
                                    return contains(notCarried, name) ||
                                           files.exists(picturePath(project.archivo, name));
                                }),
                 failed.end());
    failed.insert(failed.end(), notCarried.begin(), notCarried.end());
    return failed;
}
