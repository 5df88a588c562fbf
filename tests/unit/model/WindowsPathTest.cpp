#include <gtest/gtest.h>

#include <string>

#include "model/WindowsPath.h"

TEST(WindowsPath, Cp1252AndUtf16NameTheSameCharacters) {
    const struct {
        std::string cp1252;
        std::u16string utf16;
    } rows[] = {
        {"C:\\Casa\\Sal\xF3n \xD1" "and\xFA.png", u"C:\\Casa\\Sal\u00F3n \u00D1and\u00FA.png"},
        {"\x80 \x8A \x9F \xA0 \xFF", u"\u20AC \u0160 \u0178 \u00A0 \u00FF"},
        // The bytes the code page leaves unused, as Windows maps them.
        {"\x81\x8D\x8F\x90\x9D", u"\u0081\u008D\u008F\u0090\u009D"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(utf16FromCp1252(row.cp1252), row.utf16) << row.cp1252;
        std::string back;
        EXPECT_TRUE(cp1252FromUtf16(row.utf16, back)) << row.cp1252;
        EXPECT_EQ(back, row.cp1252);
    }
    std::string everyByte;
    for (int byte = 1; byte < 256; ++byte)
        everyByte += static_cast<char>(byte);
    std::string back;
    EXPECT_TRUE(cp1252FromUtf16(utf16FromCp1252(everyByte), back));
    EXPECT_EQ(back, everyByte);
}

TEST(WindowsPath, CharactersOutsideCp1252AreRefusedNotApproximated) {
    for (const std::u16string& name : {std::u16string(u"\u0141\u00F3d\u017A"), std::u16string(u"\u4E2D.png"),
                                       std::u16string(u"\U0001F3E0.xml"), std::u16string(u"o\u0151")}) {
        std::string out;
        EXPECT_FALSE(cp1252FromUtf16(name, out));
    }
}

TEST(WindowsPath, ExtendedFormOfDrivesSharesAndDevices) {
    const struct {
        std::u16string full;
        std::u16string extended;
    } rows[] = {
        {u"C:\\OneDrive\\casa.xml", u"\\\\?\\C:\\OneDrive\\casa.xml"},
        {u"\\\\servidor\\obras\\casa.xml", u"\\\\?\\UNC\\servidor\\obras\\casa.xml"},
        {u"\\\\?\\C:\\ya\\casa.xml", u"\\\\?\\C:\\ya\\casa.xml"},
        {u"\\\\?\\UNC\\servidor\\obras", u"\\\\?\\UNC\\servidor\\obras"},
        {u"\\\\.\\COM1", u"\\\\.\\COM1"},
        {u"casa.xml", u"casa.xml"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(extendedLengthForm(row.full), row.extended);
}

TEST(WindowsPath, LimitsOfTheWholePathAndOfEachName) {
    const std::u16string drive = u"\\\\?\\C:\\";
    const std::u16string name255(255, u'n');
    std::u16string longest = drive;
    while (longest.size() + 256 < kMaxSystemPath)
        longest += name255 + u'\\';
    longest += std::u16string(kMaxSystemPath - 1 - longest.size(), u'x');
    const struct {
        std::u16string path;
        bool usable;
    } rows[] = {
        {drive + name255 + u"\\casa.xml", true},
        {drive + name255 + u"n\\casa.xml", false},
        {drive + u"obra\\" + name255 + u"n", false},
        {longest, true},
        {longest + u"x", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(withinSystemLimits(row.path), row.usable) << row.path.size();
}
