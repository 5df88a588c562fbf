// The pieces of the device protocol that need no peer: which datagram
// announces the device, and which picture names may leave the disk.
#include <gtest/gtest.h>

#include <cstring>

#include "model/FileAccess.h"
#include "model/Proyecto.h"
#include "transfer/DeviceProtocol.h"
#include "transfer/PictureNames.h"

namespace {

bool announces(const std::string& datagram) {
    return isDiscoveryDatagram(datagram.data(), datagram.size());
}

void addPage(Proyecto& project, const std::string& imagen) {
    auto page = std::make_unique<Pagina>();
    page->nombre = imagen;
    page->imagen = imagen;
    project.addPage(std::move(page));
}

}  // namespace

TEST(DiscoveryDatagram, OnlyTheExactTextUpToTheFirstZeroByteAnnounces) {
    EXPECT_TRUE(announces("<GETPROYECTO>"));
    EXPECT_TRUE(announces(std::string("<GETPROYECTO>\0tail", 18)));
    EXPECT_FALSE(announces("<GETPROYECTO> "));
    EXPECT_FALSE(announces("<getproyecto>"));
    EXPECT_FALSE(announces("<GETPROYECTO"));
    EXPECT_FALSE(announces(std::string("\0<GETPROYECTO>", 14)));
    EXPECT_FALSE(announces(""));
}

TEST(PictureNameRule, BareAndNestedNamesAreSafe) {
    EXPECT_TRUE(isSafePictureName("inicio.png"));
    EXPECT_TRUE(isSafePictureName("fotos\\salon.png"));
    EXPECT_TRUE(isSafePictureName("..png"));
    EXPECT_TRUE(isSafePictureName("a..b.png"));
}

TEST(PictureNameRule, EmptyAbsoluteAndClimbingNamesAreNot) {
    for (const char* name : {"", "/etc/passwd", "\\windows\\x.png", "C:\\x.png", "C:x.png", "\\\\host\\share\\x.png",
                             "..", "../x.png", "..\\x.png", "a/../../x.png", "a\\..", "x.png:stream"})
        EXPECT_FALSE(isSafePictureName(name)) << name;
}

TEST(ServedPictures, EveryPagesPictureNameOnceInPageOrder) {
    Proyecto project;
    addPage(project, "luces.png");
    addPage(project, "inicio.png");
    addPage(project, "luces.png");
    addPage(project, "../fuera.png");
    addPage(project, "C:\\fotos\\salon.png");
    addPage(project, "");
    EXPECT_EQ((std::vector<std::string>{"luces.png", "inicio.png", "../fuera.png", "C:\\fotos\\salon.png"}),
              servedPictureNames(project));
    EXPECT_TRUE(servedPictureNames(Proyecto()).empty());
}

TEST(PicturePath, RelativeNamesSitBesideTheProjectFileAbsoluteOnesStayAsTheyAre) {
    EXPECT_EQ("Z:\\casa\\inicio.png", picturePath("Z:\\casa\\casa.xml", "inicio.png"));
    EXPECT_EQ("Z:\\casa\\fotos\\a.png", picturePath("Z:\\casa\\casa.xml", "fotos\\a.png"));
    EXPECT_EQ("/tmp/p/inicio.png", picturePath("/tmp/p/casa.xml", "inicio.png"));
    EXPECT_EQ("inicio.png", picturePath("casa.xml", "inicio.png"));
    EXPECT_EQ("inicio.png", picturePath("", "inicio.png"));
    for (const char* absolute : {"C:\\fotos\\a.png", "\\\\host\\s\\a.png", "/tmp/a.png", "\\a.png", "D:a.png"})
        EXPECT_EQ(absolute, picturePath("Z:\\casa\\casa.xml", absolute));
}

TEST(ReceivedMessageLength, KeepsTheWireOrderAndGivesTheHostSize) {
    ReceivedMessage message;
    const unsigned char wire[4] = {0x00, 0x00, 0x01, 0x2C};
    uint32_t networkLength;
    std::memcpy(&networkLength, wire, 4);
    message.allocate(networkLength, 300);
    EXPECT_EQ(300u, message.size());
    EXPECT_EQ(0, std::memcmp(&message.length, wire, 4));
    message.release();
    EXPECT_EQ("", message.text());
}
