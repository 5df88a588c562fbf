#include "PictureChoice.h"

#include "model/FileAccess.h"

namespace {

std::string joinPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/'))
        return folder + name;
    return folder + '\\' + name;
}

}  // namespace

PictureChoice::PictureChoice(const std::string& chosenPath, const std::string& projectFolder,
                             FileAccess& files)
    : name_(baseNameOf(chosenPath)) {
    if (name_.empty())
        return;
    target_ = joinPath(projectFolder, name_);
    alreadyInPlace_ = equalIgnoringCase(chosenPath, target_);
    if (!alreadyInPlace_)
        targetExists_ = files.exists(target_);
}

