// Where pictures are found and where they go: beside the project file
// whatever the current directory, with the page's size kept when a picture
// cannot be read, and carried along when the project is saved elsewhere.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "model/FileAccess.h"
#include "model/PictureCarry.h"
#include "model/ProjectFile.h"
#include "model/Proyecto.h"
#include "support/MemoryFileAccess.h"
#include "support/PngFile.h"

namespace {

const char kProject[] =
    "<tabrino versionFormato=\"12.08\"><paginas>"
    "<pagina nombre=\"A\" imagen=\"salon.png\" ancho=\"10\" alto=\"20\"/>"
    "<pagina nombre=\"B\" imagen=\"C:\\fotos\\luz.png\" ancho=\"10\" alto=\"20\"/>"
    "</paginas></tabrino>";

void addPage(Proyecto& project, const std::string& imagen) {
    auto page = std::make_unique<Pagina>();
    page->nombre = imagen;
    page->imagen = imagen;
    project.addPage(std::move(page));
}

// Remembers each question asked before replacing, and gives `answer`.
struct ReplaceQuestions {
    ReplaceAnswer answer = ReplaceAnswer::Replace;
    std::vector<std::string> asked;
    ReplaceAnswer operator()(const std::string& name) {
        asked.push_back(name);
        return answer;
    }
};

}  // namespace

TEST(PictureLocation, PagesLoadRelativeNamesFromTheProjectFilesFolderAndAbsoluteOnesAsGiven) {
    MemoryFileAccess disk;
    ScopedFileAccess installed(disk);
    disk.files["Z:\\casa\\casa.xml"] = kProject;
    disk.files["Z:\\casa\\salon.png"] = pngBytes(64, 48);
    disk.files["C:\\fotos\\luz.png"] = pngBytes(32, 16);
    disk.files["salon.png"] = pngBytes(5, 5);  // the current directory's: never used
    Proyecto project;
    readProjectFile("Z:\\casa\\casa.xml", project);
    EXPECT_EQ(64u, project.paginas[0]->picture()->width());
    EXPECT_EQ(32u, project.paginas[1]->picture()->width());
}

TEST(PictureLocation, ReplacingAPictureThatCannotBeLoadedKeepsThePagesRecordedSize) {
    MemoryFileAccess disk;
    ScopedFileAccess installed(disk);
    disk.files["Z:\\casa\\salon.png"] = pngBytes(64, 48);
    Pagina page;
    page.setImagen(400, 200, "salon.png", "Z:\\casa\\casa.xml");
    page.replaceImagen("falta.png", "Z:\\casa\\casa.xml");
    EXPECT_EQ(64, page.recordedAncho());
    EXPECT_EQ(48, page.recordedAlto());
    EXPECT_EQ(64u, page.picture()->width());
    page.replaceImagen("salon.png", "Z:\\casa\\casa.xml");  // a picture that loads gives its own size
    page.replaceImagen("tampoco.png", "Z:\\casa\\casa.xml");
    EXPECT_EQ(64, page.recordedAncho());
    Proyecto project;
    project.archivo = "Z:\\casa\\casa.xml";
    project.addPage(std::make_unique<Pagina>());
    project.paginas[0]->setImagen(300, 150, "falta.png", project.archivo);
    project.paginas[0]->replaceImagen("otra.png", project.archivo);
    EXPECT_NE(std::string::npos, printProject(project).find("ancho=\"300\" alto=\"150\""));
}

TEST(PictureCarry, RelativePicturesFollowTheProjectOnceEachAndFailuresAreNamed) {
    MemoryFileAccess disk;
    disk.files["Z:\\casa\\salon.png"] = "salon";
    disk.files["Z:\\casa\\fotos\\luz.png"] = "luz";
    disk.files["C:\\fotos\\abs.png"] = "abs";
    disk.files["Y:\\nuevo\\fotos\\luz.png"] = "vieja";
    disk.files["Y:\\nuevo\\casa.xml"] = "";
    Proyecto project;
    for (const char* imagen : {"salon.png", "salon.png", "fotos\\luz.png", "C:\\fotos\\abs.png", "falta.png", ""})
        addPage(project, imagen);
    ReplaceQuestions questions;
    questions.answer = ReplaceAnswer::Keep;
    std::vector<std::string> failed =
        carryPictures(project, "Z:\\casa\\casa.xml", "Y:\\nuevo\\casa.xml", disk, std::ref(questions));
    EXPECT_EQ(std::vector<std::string>{"falta.png"}, failed);
    EXPECT_EQ("salon", disk.files["Y:\\nuevo\\salon.png"]);
    EXPECT_EQ(std::vector<std::string>{"fotos\\luz.png"}, questions.asked);
    EXPECT_EQ("vieja", disk.files["Y:\\nuevo\\fotos\\luz.png"]);  // the user said No
    EXPECT_EQ(0u, disk.files.count("Y:\\nuevo\\C:\\fotos\\abs.png"));
    EXPECT_EQ(6u, disk.files.size());

    questions.answer = ReplaceAnswer::Replace;
    carryPictures(project, "Z:\\casa\\casa.xml", "Y:\\nuevo\\casa.xml", disk, std::ref(questions));
    EXPECT_EQ("luz", disk.files["Y:\\nuevo\\fotos\\luz.png"]);

    // The same folder, whatever the case of its letters: nothing to do.
    MemoryFileAccess untouched;
    EXPECT_TRUE(carryPictures(project, "Z:\\Casa\\a.xml", "z:\\CASA\\b.xml", untouched, std::ref(questions)).empty());
    EXPECT_TRUE(untouched.files.empty());
}

// A picture in a subfolder gets its folder made; one whose name climbs out of
// the new project's folder stays where it is and is listed; Cancel at a
// replace question stops there and lists what was left.
TEST(PictureCarry, SubfoldersAreMadeNamesThatClimbOutStayBehindAndCancelStops) {
    MemoryFileAccess disk;
    disk.files["Z:\\casa\\fotos\\luz.png"] = "luz";
    disk.files["Z:\\casa\\salon.png"] = "salon";
    disk.files["Z:\\casa\\patio.png"] = "patio";
    disk.files["Z:\\comun\\fondo.png"] = "fondo";
    disk.files["Y:\\nuevo\\casa.xml"] = "";
    disk.files["Y:\\nuevo\\salon.png"] = "vieja";
    disk.files["Y:\\comun\\otro.png"] = "otro";
    Proyecto project;
    for (const char* imagen : {"fotos\\luz.png", "..\\comun\\fondo.png", "salon.png", "patio.png"})
        addPage(project, imagen);
    ReplaceQuestions questions;
    questions.answer = ReplaceAnswer::Stop;
    std::vector<std::string> notCarried =
        carryPictures(project, "Z:\\casa\\casa.xml", "Y:\\nuevo\\casa.xml", disk, std::ref(questions));
    EXPECT_EQ((std::vector<std::string>{"..\\comun\\fondo.png", "salon.png", "patio.png"}), notCarried);
    EXPECT_EQ("luz", disk.files["Y:\\nuevo\\fotos\\luz.png"]);
    EXPECT_EQ("vieja", disk.files["Y:\\nuevo\\salon.png"]);
    EXPECT_EQ(0u, disk.files.count("Y:\\comun\\fondo.png"));
    EXPECT_EQ(8u, disk.files.size());
}
