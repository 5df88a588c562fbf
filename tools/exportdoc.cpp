// Writes the handover document of a project file, as "Exportar
// documentacion..." does: the HTML file and its folder of pictures beside it.
// Used for the screenshots of docs/.
//   exportdoc <project.xml> <document.html>
#include <cstdio>

#include "model/FileAccess.h"
#include "model/ProjectFile.h"
#include "model/Proyecto.h"
#include "model/ProyectoException.h"
#include "ui/HandoverExport.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: exportdoc <project.xml> <document.html>\n");
        return 2;
    }
    Proyecto project;
    try {
        readProjectFile(argv[1], project);
    } catch (const ProyectoException& error) {
        std::fprintf(stderr, "exportdoc: %s\n", error.what());
        return 1;
    }
    const std::string problem = HandoverExport::write(project, argv[2], HandoverExport::today(), FileAccess::current());
    if (!problem.empty()) {
        std::fprintf(stderr, "exportdoc: %s\n", problem.c_str());
        return 1;
    }
    return 0;
}
