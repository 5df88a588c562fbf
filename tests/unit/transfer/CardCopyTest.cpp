// The copy onto the device's SD card, on DOS paths held in memory: which
// files land on the card, under which names, and what is left alone.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "model/Proyecto.h"
#include "support/MemoryFileAccess.h"
#include "transfer/CardCopy.h"

namespace {

// Remembers every copy asked for, in order.
class CopyLog : public MemoryFileAccess {
public:
    std::vector<std::pair<std::string, std::string>> copies;
    bool copy(const std::string& from, const std::string& to) override {
        copies.emplace_back(from, to);
        return MemoryFileAccess::copy(from, to);
    }
};

void addPage(Proyecto& project, const std::string& nombre, const std::string& imagen) {
    auto page = std::make_unique<Pagina>();
    page->nombre = nombre;
    page->imagen = imagen;
    project.addPage(std::move(page));
}

class CardCopy : public ::testing::Test {
protected:
    void SetUp() override {
        project.archivo = "Z:\\casa\\casa.xml";
        disk.files["Z:\\casa\\casa.xml"] = "<tabrino/>";
        disk.files["Z:\\casa\\inicio.png"] = "inicio";
        disk.files["Z:\\casa\\luces.png"] = "luces";
        disk.folders = {"E:\\", "E:\\tarjeta\\"};  // the card
    }
    std::vector<std::string> destinations() const {
        std::vector<std::string> to;
        for (const auto& copy : disk.copies)
            to.push_back(copy.second);
        return to;
    }

    Proyecto project;
    CopyLog disk;
};

}  // namespace

TEST_F(CardCopy, ProjectFileAsTrdevAndEveryPictureUnderItsName) {
    addPage(project, "Inicio", "inicio.png");
    addPage(project, "Luces", "luces.png");
    EXPECT_TRUE(copyProjectToCard(project, "E:\\tarjeta", disk).complete());
    EXPECT_EQ((std::vector<std::string>{"E:\\tarjeta\\trdev.xml", "E:\\tarjeta\\inicio.png",
                                        "E:\\tarjeta\\luces.png"}),
              destinations());
    EXPECT_EQ("<tabrino/>", disk.files["E:\\tarjeta\\trdev.xml"]);
    EXPECT_EQ("inicio", disk.files["E:\\tarjeta\\inicio.png"]);
    EXPECT_EQ("luces", disk.files["E:\\tarjeta\\luces.png"]);
}

TEST_F(CardCopy, AFolderEndingInABackslashGetsNoSecondOne) {
    addPage(project, "Inicio", "inicio.png");
    copyProjectToCard(project, "E:\\", disk);
    EXPECT_EQ((std::vector<std::string>{"E:\\trdev.xml", "E:\\inicio.png"}), destinations());
}

TEST_F(CardCopy, ReplacesWhatTheCardHoldsAndLeavesOtherFiles) {
    addPage(project, "Inicio", "inicio.png");
    disk.files["E:\\trdev.xml"] = "viejo";
    disk.files["E:\\inicio.png"] = "vieja";
    disk.files["E:\\otro.txt"] = "ajeno";
    EXPECT_TRUE(copyProjectToCard(project, "E:\\", disk).complete());
    EXPECT_EQ("<tabrino/>", disk.files["E:\\trdev.xml"]);
    EXPECT_EQ("inicio", disk.files["E:\\inicio.png"]);
    EXPECT_EQ("ajeno", disk.files["E:\\otro.txt"]);
    EXPECT_EQ(6u, disk.files.size());  // three on the disk, three on the card
}

TEST_F(CardCopy, APictureSharedByTwoPagesIsCopiedOnce) {
    addPage(project, "Inicio", "inicio.png");
    addPage(project, "Otra", "inicio.png");
    copyProjectToCard(project, "E:\\", disk);
    EXPECT_EQ((std::vector<std::string>{"E:\\trdev.xml", "E:\\inicio.png"}), destinations());
}

TEST_F(CardCopy, APictureInASubfolderGetsItsFolderOnTheCard) {
    disk.files["Z:\\casa\\fotos\\luz.png"] = "luz";
    addPage(project, "Luz", "fotos\\luz.png");
    EXPECT_TRUE(copyProjectToCard(project, "E:\\", disk).complete());
    EXPECT_EQ("luz", disk.files["E:\\fotos\\luz.png"]);
}

TEST_F(CardCopy, PagesNamedAlikeEachCopyTheirOwnPicture) {
    addPage(project, "Inicio", "inicio.png");
    addPage(project, "Inicio", "luces.png");
    EXPECT_TRUE(copyProjectToCard(project, "E:\\", disk).complete());
    EXPECT_EQ((std::vector<std::string>{"E:\\trdev.xml", "E:\\inicio.png", "E:\\luces.png"}), destinations());
}

TEST_F(CardCopy, AProjectWithoutPagesCopiesOnlyTrdev) {
    EXPECT_TRUE(copyProjectToCard(project, "E:\\", disk).complete());
    EXPECT_EQ(std::vector<std::string>{"E:\\trdev.xml"}, destinations());
}

TEST_F(CardCopy, FailedCopiesAreSkippedAndReported) {
    addPage(project, "Falta", "falta.png");
    addPage(project, "Luces", "luces.png");
    addPage(project, "Otra", "falta.png");
    CardCopyReport report = copyProjectToCard(project, "E:\\", disk);
    EXPECT_TRUE(report.projectFileCopied);
    EXPECT_EQ(std::vector<std::string>{"falta.png"}, report.picturesNotCopied);
    EXPECT_EQ("luces", disk.files["E:\\luces.png"]);
    EXPECT_EQ(0u, disk.files.count("E:\\falta.png"));
    EXPECT_EQ("La copia qued\xF3 incompleta. No se pudo copiar:\nfalta.png\n", cardCopyFailureText(report));
}

TEST_F(CardCopy, TheReportNamesTheProjectFileAndAtMostTwentyPictures) {
    project.archivo = "Z:\\casa\\falta.xml";
    for (int i = 1; i <= 23; ++i)
        addPage(project, "P" + std::to_string(i), "f" + std::to_string(i) + ".png");
    CardCopyReport report = copyProjectToCard(project, "E:\\", disk);
    EXPECT_FALSE(report.projectFileCopied);
    EXPECT_EQ(23u, report.picturesNotCopied.size());
    std::string text = cardCopyFailureText(report);
    EXPECT_EQ(0u, text.find("La copia qued\xF3 incompleta. No se pudo copiar:\n"
                            "el archivo del proyecto (trdev.xml)\nf1.png\n"));
    EXPECT_NE(std::string::npos, text.find("\nf19.png\ny 4 m\xE1s\n"));
    EXPECT_EQ(std::string::npos, text.find("f20.png"));
}

TEST_F(CardCopy, PicturesNamedOutsideTheCardAreNotWrittenAnywhere) {
    disk.files["Z:\\casa\\..\\fuera.png"] = "fuera";
    disk.files["C:\\windows\\abs.png"] = "abs";
    addPage(project, "Sube", "..\\fuera.png");
    addPage(project, "Sube2", "sub/../../fuera.png");
    addPage(project, "Absoluta", "C:\\windows\\abs.png");
    addPage(project, "Raiz", "\\abs.png");
    addPage(project, "Luces", "luces.png");
    CardCopyReport report = copyProjectToCard(project, "E:\\tarjeta\\", disk);
    // Only the project file and the one safe picture were copied.
    EXPECT_EQ((std::vector<std::string>{"E:\\tarjeta\\trdev.xml", "E:\\tarjeta\\luces.png"}), destinations());
    EXPECT_EQ((std::vector<std::string>{"..\\fuera.png", "sub/../../fuera.png", "C:\\windows\\abs.png", "\\abs.png"}),
              report.picturesNotCopied);
}

TEST_F(CardCopy, NamesWindowsKeepsForDevicesAreRefusedAndReported) {
    const std::vector<std::string> reserved = {
        "nul.png", "CON", "prn.png", "Aux.tar.gz", "fotos\\com1.png", "LPT9.png", "lpt1", "nul .png",
        "salon.png.", "salon.png ", "fotos.\\a.png", "com5/b.png"};
    for (const std::string& name : reserved) {
        disk.files["Z:\\casa\\" + name] = "x";
        addPage(project, name, name);
    }
    // Near misses are ordinary names.
    for (const char* name : {"console.png", "com10.png", "com0.png", "lpt.png", "nul_.png", "auxiliar.png"}) {
        disk.files[std::string("Z:\\casa\\") + name] = "x";
        addPage(project, name, name);
    }
    CardCopyReport report = copyProjectToCard(project, "E:\\", disk);
    EXPECT_EQ(reserved, report.picturesNotCopied);
    EXPECT_EQ(7u, destinations().size());  // trdev.xml and the six near misses
    std::string text = cardCopyFailureText(report);
    for (const std::string& name : reserved)
        EXPECT_NE(std::string::npos, text.find("\n" + name + "\n")) << name;
}

TEST(CardFolderPrefix, AddsASeparatorOnlyWhenMissing) {
    EXPECT_EQ("E:\\tarjeta\\", cardFolderPrefix("E:\\tarjeta"));
    EXPECT_EQ("E:\\", cardFolderPrefix("E:\\"));
    EXPECT_EQ("/media/sd/", cardFolderPrefix("/media/sd/"));
}
