#include <gtest/gtest.h>

#include <string>

#include "model/WindowsPath.h"

// The code page table and the limits are checked against the system itself
// in the Windows unit tests.
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
