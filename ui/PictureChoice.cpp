#include "PictureChoice.h"

#include "model/FileAccess.h"

namespace {

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string joinPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '\\')
        return folder + name;
    return folder + '\\' + name;
}

}  // namespace

PictureChoice::PictureChoice(const std::string& chosenPath, const std::string& currentDirectory,
                             FileAccess& files)
    : name_(baseNameOf(chosenPath)) {
    if (name_.empty())
        return;
    target_ = joinPath(currentDirectory, name_);
    alreadyInPlace_ = equalIgnoringCase(chosenPath, target_);
    if (!alreadyInPlace_)
        targetExists_ = files.exists(target_);
}

// Windows file names ignore the case of ASCII letters only.
bool PictureChoice::equalIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    }
    return true;
}
