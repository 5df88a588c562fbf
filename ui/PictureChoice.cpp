#include "PictureChoice.h"

#include "model/FileAccess.h"
#include "model/Proyecto.h"
#include "base/NameList.h"

namespace {

std::string joinPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/'))
        return folder + name;
    return folder + '\\' + name;
}

}  // namespace

std::vector<PagePicture> picturesOfPages(const Proyecto& project, const Pagina* except) {
    std::vector<PagePicture> pictures;
    for (const auto& page : project.paginas)
        if (page.get() != except)
            pictures.push_back(PagePicture{page->nombre, page->imagen});
    return pictures;
}

std::string pictureChooserFolder(const std::string& lastChosen, const std::string& projectFile) {
    const std::string last = folderOf(lastChosen);
    return last.empty() ? folderOf(projectFile) : last;
}

PictureChoice::PictureChoice(const std::string& chosenPath, const std::string& projectFolder,
                             FileAccess& files)
    : chosenPath_(chosenPath), projectFolder_(projectFolder), name_(baseNameOf(chosenPath)) {
    if (name_.empty())
        return;
    target_ = joinPath(projectFolder, name_);
    alreadyInPlace_ = equalIgnoringCase(chosenPath, target_);
    if (!alreadyInPlace_)
        targetExists_ = files.exists(target_);
}

std::vector<std::string> PictureChoice::pagesUsingTarget(const std::vector<PagePicture>& pages) const {
    std::vector<std::string> users;
    for (const PagePicture& page : pages) {
        if (page.imagen.empty())
            continue;
        const std::string path = isAbsolutePath(page.imagen) ? page.imagen : joinPath(projectFolder_, page.imagen);
        if (equalIgnoringCase(path, target_))
            users.push_back(page.nombre);
    }
    return users;
}

std::string PictureChoice::replaceQuestion(const std::vector<std::string>& pagesUsing) const {
    std::string text =
        "El archivo " + name_ + " ya existe junto al proyecto. Si lo reemplaza, no podr\xE1 deshacerlo.\n";
    if (!pagesUsing.empty())
        text += "Tambi\xE9n lo usan estas p\xE1ginas:\n" + nameListText(pagesUsing);
    return text + "\n\xBF" "Desea reemplazarlo?";
}

bool PictureChoice::copy(FileAccess& files) const {
    return !needsCopy() || files.copy(chosenPath_, target_);
}
