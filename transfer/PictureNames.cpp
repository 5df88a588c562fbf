#include "transfer/PictureNames.h"

#include <algorithm>

#include "model/FileAccess.h"
#include "model/Proyecto.h"

std::vector<std::string> servedPictureNames(const Proyecto& project) {
    std::vector<std::string> names;
    for (const auto& page : project.paginas) {
        const std::string& name = page->imagen;
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    }
    return names;
}
