// The address the user types for the device, and the remembered addresses.
#include <gtest/gtest.h>

#include "transfer/DeviceAddress.h"

TEST(DeviceAddressRule, AcceptsFourPlainNumbersAndRefusesTheRest) {
    struct Case {
        const char* typed;
        const char* taken;  // null: refused
    } cases[] = {
        {"192.168.1.20", "192.168.1.20"}, {"  10.0.0.7 ", "10.0.0.7"}, {"\t127.0.0.1", "127.0.0.1"},
        {"0.1.2.3", "0.1.2.3"},           {"223.255.255.254", "223.255.255.254"},
        {"256.1.1.1", nullptr},           {"1.2.3", nullptr},        {"a.b.c.d", nullptr},
        {"010.0.0.1", nullptr},           {"10.00.0.1", nullptr},    {"", nullptr},
        {"   ", nullptr},                 {"0.0.0.0", nullptr},      {"255.255.255.255", nullptr},
        {"224.0.0.1", nullptr},           {"240.1.1.1", nullptr},    {"1.2.3.4.5", nullptr},
        {"1..3.4", nullptr},              {"1.2.3.4.", nullptr},     {"1.2.3.-4", nullptr},
        {"1.2. 3.4", nullptr},            {"1.2.3.4x", nullptr},     {"0x7f.0.0.1", nullptr},
        {"1234.1.1.1", nullptr},
    };
    for (const Case& c : cases) {
        std::string address = "unchanged";
        EXPECT_EQ(c.taken != nullptr, parseDeviceAddress(c.typed, address)) << "'" << c.typed << "'";
        EXPECT_EQ(c.taken ? c.taken : "unchanged", address) << "'" << c.typed << "'";
    }
}

TEST(RememberedAddresses, MostRecentFirstWithoutRepeatsAtMostFive) {
    struct Case {
        const char* stored;
        const char* added;
        const char* result;
    } cases[] = {
        {"", "10.0.0.1", "10.0.0.1"},
        {"10.0.0.1;10.0.0.2", "10.0.0.3", "10.0.0.3;10.0.0.1;10.0.0.2"},
        {"10.0.0.1;10.0.0.2;10.0.0.3", "10.0.0.2", "10.0.0.2;10.0.0.1;10.0.0.3"},
        {"1.0.0.1;1.0.0.2;1.0.0.3;1.0.0.4;1.0.0.5", "1.0.0.6", "1.0.0.6;1.0.0.1;1.0.0.2;1.0.0.3;1.0.0.4"},
        {"1.0.0.1;1.0.0.2;1.0.0.3;1.0.0.4;1.0.0.5", "1.0.0.3", "1.0.0.3;1.0.0.1;1.0.0.2;1.0.0.4;1.0.0.5"},
        // A damaged value keeps only what is usable.
        {"basura;;010.0.0.1;10.0.0.1;10.0.0.1;\xFF;10.0.0.3", "10.0.0.2", "10.0.0.2;10.0.0.1;10.0.0.3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.result, rememberAddress(c.stored, c.added)) << c.stored;
    EXPECT_EQ((std::vector<std::string>{"10.0.0.3", "10.0.0.1"}), rememberedAddresses(" 10.0.0.3 ;x;10.0.0.1"));
    EXPECT_TRUE(rememberedAddresses("").empty());
}
