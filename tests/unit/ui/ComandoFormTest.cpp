#include <gtest/gtest.h>

#include "base/resource.h"
#include "ui/ComandoForm.h"

namespace {

Comando makeComando(const std::string& sector, const std::string& codigo, const std::string& pagina,
                    const std::string& tipo, const std::string& mac) {
    return Comando{sector, codigo, pagina, tipo, mac};
}

// The remembered values live for the whole process; every case starts afresh.
class ComandoFormTest : public ::testing::Test {
protected:
    void SetUp() override { forget(); }
    void TearDown() override { forget(); }
    static void forget() {
        ComandoForm::lastSector.clear();
        ComandoForm::lastTipoComunicacion.clear();
        ComandoForm::lastBtMacAddress.clear();
    }
    const std::vector<std::string> pages{"Inicio", "Luces", "Persianas", "Luces"};
};

}  // namespace

TEST_F(ComandoFormTest, EmptyCommandTakesTheRememberedValues) {
    ComandoForm first(makeComando("Salon", "1", "", "", ""), &pages);
    ASSERT_TRUE(first.accept("Salon", "1", "AA:BB", true, "--------", 0).accepted);

    ComandoForm second(Comando(), &pages);
    EXPECT_EQ("Salon", second.sector);
    EXPECT_EQ("bt", second.tipoComunicacion);
    EXPECT_EQ("AA:BB", second.btMacAddress);
    EXPECT_EQ("", second.codigo);
    EXPECT_TRUE(second.bluetoothTicked());
    EXPECT_EQ(IDC_COMANDO_CODIGO, second.initialFocus());
}

TEST_F(ComandoFormTest, GivenValuesAreRememberedEvenWithoutOk) {
    ComandoForm accepted(makeComando("Cocina", "7", "", "wifi", ""), nullptr);
    ASSERT_TRUE(accepted.accept("Cocina", "7", "", false, "", -1).accepted);
    EXPECT_EQ("Cocina", ComandoForm::lastSector);

    // Opened on another sector and then cancelled: construction alone counts.
    ComandoForm cancelled(makeComando("Patio", "", "", "", "11:22"), nullptr);
    EXPECT_EQ("Patio", ComandoForm::lastSector);
    EXPECT_EQ("wifi", ComandoForm::lastTipoComunicacion);
    EXPECT_EQ("11:22", ComandoForm::lastBtMacAddress);
    EXPECT_EQ("wifi", cancelled.tipoComunicacion);
}

TEST_F(ComandoFormTest, CodeAndTargetAreNeverRemembered) {
    ComandoForm first(makeComando("S", "code", "Luces", "wifi", ""), &pages);
    ASSERT_TRUE(first.accept("S", "code", "", false, "Luces", 3).accepted);
    ComandoForm second(Comando(), &pages);
    EXPECT_EQ("", second.codigo);
    EXPECT_EQ("", second.pagina);
    EXPECT_EQ(0, second.jumpSelection());
}

TEST_F(ComandoFormTest, RefusedInputIsNotRemembered) {
    ComandoForm form(Comando(), nullptr);
    FormCheck check = form.accept("Garaje", "", "", true, "", -1);
    EXPECT_FALSE(check.accepted);
    EXPECT_EQ("", ComandoForm::lastSector);
    EXPECT_EQ("", ComandoForm::lastTipoComunicacion);
}

TEST_F(ComandoFormTest, AcceptedEmptySectorIsRememberedAsEmpty) {
    ComandoForm::lastSector = "Old";
    ComandoForm form(Comando(), &pages);
    EXPECT_EQ("Old", form.sector);
    ASSERT_TRUE(form.accept("  ", "", "", false, "/back", 1).accepted);
    EXPECT_EQ("", ComandoForm::lastSector);
    EXPECT_EQ("", form.sector);
}

TEST_F(ComandoFormTest, FocusGoesToSectorWhenItIsEmpty) {
    ComandoForm form(Comando(), nullptr);
    EXPECT_EQ(IDC_COMANDO_SECTOR, form.initialFocus());
    EXPECT_FALSE(form.bluetoothTicked());
}

TEST_F(ComandoFormTest, OnlyExactBtTicksBluetooth) {
    EXPECT_TRUE(ComandoForm(makeComando("s", "c", "", "bt", "m"), nullptr).bluetoothTicked());
    forget();
    EXPECT_FALSE(ComandoForm(makeComando("s", "c", "", "BT", "m"), nullptr).bluetoothTicked());
    forget();
    EXPECT_FALSE(ComandoForm(makeComando("s", "c", "", "wifi", "m"), nullptr).bluetoothTicked());
}

TEST_F(ComandoFormTest, ValidationOrderAndFocus) {
    ComandoForm form(Comando(), &pages);

    FormCheck noSector = form.accept("", "5", "", true, "--------", 0);
    EXPECT_FALSE(noSector.accepted);
    EXPECT_EQ("Se debe definir el nombre del sector", noSector.message);
    EXPECT_EQ(IDC_COMANDO_SECTOR, noSector.focusControl);

    FormCheck noCode = form.accept("", "", "", true, "--------", 0);
    EXPECT_EQ("Se debe definir el c\xF3" "digo", noCode.message);
    EXPECT_EQ(IDC_COMANDO_CODIGO, noCode.focusControl);

    FormCheck noMac = form.accept("S", "5", " \t", true, "--------", 0);
    EXPECT_EQ("Se debe definir la MacAddress", noMac.message);
    EXPECT_EQ(IDC_COMANDO_MAC, noMac.focusControl);

    EXPECT_TRUE(form.accept("S", "5", "", false, "--------", 0).accepted);
}

TEST_F(ComandoFormTest, BluetoothNeedsMacEvenForAPureJump) {
    ComandoForm form(Comando(), &pages);
    FormCheck check = form.accept("", "", "", true, "/back", 1);
    EXPECT_FALSE(check.accepted);
    EXPECT_EQ("Se debe definir la MacAddress", check.message);
    EXPECT_EQ("/back", form.pagina);
}

TEST_F(ComandoFormTest, PureBackJumpWithoutSectorIsAccepted) {
    ComandoForm form(Comando(), &pages);
    ASSERT_TRUE(form.accept("", "", "", false, "/back", 1).accepted);
    Comando c = form.comando();
    EXPECT_EQ("", c.sector);
    EXPECT_EQ("", c.codigo);
    EXPECT_EQ("/back", c.pagina);
    EXPECT_EQ("wifi", c.tipoComunicacion);
}

TEST_F(ComandoFormTest, TypedTextIsTrimmed) {
    ComandoForm form(Comando(), nullptr);
    ASSERT_TRUE(form.accept(" Salon\t", "\t 12 ab \r\n", "  AA:BB ", true, "", -1).accepted);
    EXPECT_EQ("Salon", form.sector);
    EXPECT_EQ("12 ab", form.codigo);
    EXPECT_EQ("AA:BB", form.btMacAddress);
    EXPECT_EQ("bt", form.tipoComunicacion);

    FormCheck blanksOnly = form.accept("Salon", "   ", "m", false, "", -1);
    EXPECT_EQ("Se debe definir el c\xF3" "digo", blanksOnly.message);
}

TEST_F(ComandoFormTest, JumpListEntriesAndSelection) {
    ComandoForm form(makeComando("s", "c", "Luces", "wifi", ""), &pages);
    std::vector<std::string> expected{"--------", "/back", "Inicio", "Luces", "Persianas", "Luces"};
    EXPECT_TRUE(form.jumpListEnabled());
    EXPECT_EQ(expected, form.jumpEntries());
    EXPECT_EQ(5, form.jumpSelection());  // the later "Luces"

    form.pagina = "/back";
    EXPECT_EQ(1, form.jumpSelection());
    form.pagina = "";
    EXPECT_EQ(0, form.jumpSelection());
    form.pagina = "luces";  // names compare exactly
    EXPECT_EQ(0, form.jumpSelection());
}

TEST_F(ComandoFormTest, PageCalledBackWinsOverTheBackEntry) {
    const std::vector<std::string> odd{"A", "/back"};
    ComandoForm form(makeComando("s", "c", "/back", "wifi", ""), &odd);
    EXPECT_EQ(3, form.jumpSelection());
}

TEST_F(ComandoFormTest, StaleTargetShowsNoJumpAndOkClearsIt) {
    ComandoForm form(makeComando("s", "c", "Borrada", "wifi", ""), &pages);
    int shown = form.jumpSelection();
    EXPECT_EQ(0, shown);
    ASSERT_TRUE(form.accept("s", "c", "", false, "--------", shown).accepted);
    EXPECT_EQ("", form.pagina);
}

// The jump list's edit field decides: what it shows, trimmed, must be an
// entry; the selection only picks between entries of the same text.
struct JumpCase {
    const char* typed;
    int selected;
    bool accepted;
    const char* pagina;  // stored target; before: "Inicio"
};

TEST_F(ComandoFormTest, TypedJumpTextMustBeAnEntryOfTheList) {
    const std::vector<std::string> odd{"Inicio", "Luces", "Persianas", "--------", " Menu"};
    const JumpCase cases[] = {
        {"Persianas", 4, true, "Persianas"},   // chosen from the list
        {"  Luces\t", 4, true, "Luces"},       // typed over another selection
        {"Luces", -1, true, "Luces"},          // typed, nothing selected
        {"/back", -1, true, "/back"},
        {"--------", 0, true, ""},
        {"--------", 5, true, "--------"},     // the page of that name
        {"--------", -1, true, ""},
        {" \t", 3, true, ""},                  // empty field: no jump
        {" Menu", 6, true, " Menu"},           // a name with a blank in front, as a file may hold
        {" Menu", -1, true, " Menu"},
        {"Pers", 4, false, "Inicio"},          // prefix the list matched by itself
        {"luces", 3, false, "Inicio"},         // names compare exactly
        {"Salon", -1, false, "Inicio"},
    };
    for (const JumpCase& c : cases) {
        ComandoForm form(makeComando("s", "c", "Inicio", "wifi", ""), &odd);
        FormCheck check = form.accept("s", "c", "", false, c.typed, c.selected);
        EXPECT_EQ(c.accepted, check.accepted) << c.typed;
        EXPECT_EQ(c.pagina, form.pagina) << c.typed;
        if (!c.accepted) {
            EXPECT_EQ("Se debe elegir una p\xE1gina de la lista", check.message);
            EXPECT_EQ(IDC_COMANDO_SALTO, check.focusControl);
        }
    }
}

TEST_F(ComandoFormTest, WithoutPageNamesTheTargetIsKept) {
    ComandoForm form(makeComando("", "", "Luces", "", ""), nullptr);
    EXPECT_FALSE(form.jumpListEnabled());
    EXPECT_TRUE(form.jumpEntries().empty());
    ASSERT_TRUE(form.accept("", "", "", false, "--------", 0).accepted);
    EXPECT_EQ("Luces", form.pagina);
}

TEST_F(ComandoFormTest, EmptyTypeIsStoredAsWifi) {
    ComandoForm form(makeComando("s", "c", "", "", ""), nullptr);
    EXPECT_FALSE(form.bluetoothTicked());
    ASSERT_TRUE(form.accept("s", "c", "", form.bluetoothTicked(), "", -1).accepted);
    EXPECT_EQ("wifi", form.tipoComunicacion);
    EXPECT_EQ("wifi", ComandoForm::lastTipoComunicacion);
}
