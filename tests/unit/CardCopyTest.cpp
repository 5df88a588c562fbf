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
    EXPECT_EQ(0, copyProjectToCard(project, "E:\\tarjeta", disk));
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
    EXPECT_EQ(0, copyProjectToCard(project, "E:\\", disk));
    EXPECT_EQ("<tabrino/>", disk.files["E:\\trdev.xml"]);
    EXPECT_EQ("inicio", disk.files["E:\\inicio.png"]);
    EXPECT_EQ("ajeno", disk.files["E:\\otro.txt"]);
    EXPECT_EQ(6u, disk.files.size());  // three on the disk, three on the card
}

TEST_F(CardCopy, APictureSharedByTwoPagesIsCopiedTwice) {
    addPage(project, "Inicio", "inicio.png");
    addPage(project, "Otra", "inicio.png");
    copyProjectToCard(project, "E:\\", disk);
    EXPECT_EQ((std::vector<std::string>{"E:\\trdev.xml", "E:\\inicio.png", "E:\\inicio.png"}), destinations());
}

TEST_F(CardCopy, OfTwoPagesNamedAlikeTheFirstOnesPictureIsCopiedTwice) {
    addPage(project, "Inicio", "inicio.png");
    addPage(project, "Inicio", "luces.png");
    copyProjectToCard(project, "E:\\", disk);
    EXPECT_EQ((std::vector<std::string>{"E:\\trdev.xml", "E:\\inicio.png", "E:\\inicio.png"}), destinations());
    EXPECT_EQ(0u, disk.files.count("E:\\luces.png"));
}

TEST_F(CardCopy, AProjectWithoutPagesCopiesOnlyTrdev) {
    EXPECT_EQ(0, copyProjectToCard(project, "E:\\", disk));
    EXPECT_EQ(std::vector<std::string>{"E:\\trdev.xml"}, destinations());
}

TEST_F(CardCopy, FailedCopiesAreSkippedAndTheRestGoOn) {
    addPage(project, "Falta", "falta.png");
    addPage(project, "Luces", "luces.png");
    EXPECT_EQ(1, copyProjectToCard(project, "E:\\", disk));
    EXPECT_EQ("luces", disk.files["E:\\luces.png"]);
    EXPECT_EQ(0u, disk.files.count("E:\\falta.png"));
}

TEST_F(CardCopy, PicturesNamedOutsideTheCardAreNotWrittenAnywhere) {
    disk.files["Z:\\casa\\..\\fuera.png"] = "fuera";
    disk.files["C:\\windows\\abs.png"] = "abs";
    addPage(project, "Sube", "..\\fuera.png");
    addPage(project, "Sube2", "sub/../../fuera.png");
    addPage(project, "Absoluta", "C:\\windows\\abs.png");
    addPage(project, "Raiz", "\\abs.png");
    addPage(project, "Luces", "luces.png");
    EXPECT_EQ(4, copyProjectToCard(project, "E:\\tarjeta\\", disk));
    // Only the project file and the one safe picture were copied.
    EXPECT_EQ((std::vector<std::string>{"E:\\tarjeta\\trdev.xml", "E:\\tarjeta\\luces.png"}), destinations());
}

TEST(CardFolderPrefix, AddsASeparatorOnlyWhenMissing) {
    EXPECT_EQ("E:\\tarjeta\\", cardFolderPrefix("E:\\tarjeta"));
    EXPECT_EQ("E:\\", cardFolderPrefix("E:\\"));
    EXPECT_EQ("/media/sd/", cardFolderPrefix("/media/sd/"));
}
