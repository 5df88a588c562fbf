// A region alone in the project file's form: what the clipboard carries.
#include <gtest/gtest.h>

#include "model/ProjectFile.h"

namespace {

Region sampleRegion() {
    Region region;
    region.coords = Rect{-5, 20, 230, 120};
    region.comando.sector = "Sal\xF3n & <\"comedor\">";
    region.comando.codigo = "luz'1";
    region.comando.pagina = "Luces";
    region.comando.tipoComunicacion = "bt";
    region.comando.btMacAddress = "00:11:22:33:44:55";
    return region;
}

}  // namespace

TEST(RegionText, IsTheProjectFilesRegionElementAndReadsBackEqual) {
    Region region = sampleRegion();
    const std::string text = printRegion(region);
    EXPECT_EQ("<region tipo=\"rect\">\r\n"
              "    <coords>-5, 20, 230, 120</coords>\r\n"
              "    <comando sector=\"Sal\xF3n &amp; &lt;&quot;comedor&quot;&gt;\" codigo=\"luz&apos;1\" "
              "pagina=\"Luces\" tipoComunicacion=\"bt\" btMacAddress=\"00:11:22:33:44:55\"/>\r\n"
              "</region>\r\n",
              text);
    Region read;
    ASSERT_TRUE(parseRegion(text, read));
    EXPECT_EQ(region, read);
}

TEST(RegionText, BadOrForeignTextIsRefusedAndChangesNothing) {
    const std::string refused[] = {
        "",
        "Hola",
        std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),
        "<region tipo=\"rect\"><coords>1, 2, 3, 4</coords>",  // not closed
        "<regiones><region><coords>1, 2, 3, 4</coords><comando/></region></regiones>",
        "<region><coords>1, 2, 3</coords><comando/></region>",
        "<region><coords>1, 2, 3, 99999999999</coords><comando/></region>",
        "<region><coords>1, 2, 3, 4</coords></region>",
        "<region><comando/></region>",
        "<region><coords>1, 2, 3, 4</coords><comando/></region><region/>",
        "<region><coords>1, 2, 3, 4</coords><comando sector=\"" + std::string(kMaxRegionTextBytes, 'x') +
            "\"/></region>",
    };
    for (const std::string& text : refused) {
        Region region = sampleRegion();
        EXPECT_FALSE(parseRegion(text, region)) << text.substr(0, 80);
        EXPECT_EQ(sampleRegion(), region);
    }
}

TEST(RegionText, SeveralRegionsFollowEachOtherAndOneIsTheSingleText) {
    Region first = sampleRegion(), second = sampleRegion();
    second.coords = Rect{1, 2, 3, 4};
    second.comando.codigo = "luz2";
    EXPECT_EQ(printRegion(first), printRegions({first}));
    const std::string text = printRegions({first, second});
    EXPECT_EQ(0u, text.find(printRegion(first)));
    EXPECT_NE(std::string::npos, text.find(printRegion(second), printRegion(first).size()));
    std::vector<Region> read;
    ASSERT_TRUE(parseRegions(text, read));
    EXPECT_EQ((std::vector<Region>{first, second}), read);
    EXPECT_TRUE(parseRegions(printRegion(second), read) && read == std::vector<Region>{second});
    for (const std::string& refused : {text + "<pagina/>", std::string("<region/>"), std::string("")})
        EXPECT_FALSE(parseRegions(refused, read) || read != std::vector<Region>{second}) << refused;
}
