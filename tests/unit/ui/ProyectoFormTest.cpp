#include <gtest/gtest.h>

#include "base/resource.h"
#include "ui/ProyectoForm.h"

TEST(ProyectoForm, StartPageSelection) {
    const std::vector<std::string> pages{"Inicio", "Luces", "Inicio"};
    EXPECT_EQ(2, ProyectoForm("Casa", "Inicio", &pages).listSelection());  // the later one
    EXPECT_EQ(1, ProyectoForm("Casa", "Luces", &pages).listSelection());
    EXPECT_EQ(0, ProyectoForm("Casa", "", &pages).listSelection());
    EXPECT_EQ(0, ProyectoForm("Casa", "Borrada", &pages).listSelection());
    EXPECT_EQ(pages, ProyectoForm("Casa", "", &pages).listEntries());
}

TEST(ProyectoForm, MissingStartPageBecomesTheFirstOnOk) {
    const std::vector<std::string> pages{"Inicio", "Luces"};
    ProyectoForm form("Casa", "Borrada", &pages);
    ASSERT_TRUE(form.accept("Casa", form.listSelection()).accepted);
    EXPECT_EQ("Inicio", form.paginaInicial);
}

TEST(ProyectoForm, SelectedEntryBecomesTheStartPage) {
    const std::vector<std::string> pages{"Inicio", "Luces"};
    ProyectoForm form("Casa", "Inicio", &pages);
    ASSERT_TRUE(form.accept("Casa", 1).accepted);
    EXPECT_EQ("Luces", form.paginaInicial);
    ASSERT_TRUE(form.accept("Casa", -1).accepted);
    EXPECT_EQ("Luces", form.paginaInicial);
    ASSERT_TRUE(form.accept("Casa", 2).accepted);
    EXPECT_EQ("Luces", form.paginaInicial);
}

TEST(ProyectoForm, NewProjectHasAnEmptyListAndKeepsTheStartPage) {
    ProyectoForm fresh("", "", nullptr);
    EXPECT_TRUE(fresh.listEntries().empty());
    EXPECT_EQ(-1, fresh.listSelection());
    ASSERT_TRUE(fresh.accept("Casa", -1).accepted);
    EXPECT_EQ("", fresh.paginaInicial);

    const std::vector<std::string> none;
    ProyectoForm empty("Casa", "X", &none);
    EXPECT_EQ(-1, empty.listSelection());
    ASSERT_TRUE(empty.accept("Casa", -1).accepted);
    EXPECT_EQ("X", empty.paginaInicial);
}

TEST(ProyectoForm, InstallationNameIsTrimmedAndRequired) {
    ProyectoForm form("", "", nullptr);
    FormCheck blanks = form.accept(" \t\r\n", -1);
    EXPECT_FALSE(blanks.accepted);
    EXPECT_EQ("Se debe definir el nombre de la instalacion", blanks.message);
    EXPECT_EQ(IDC_PROYECTO_INSTALACION, blanks.focusControl);

    ASSERT_TRUE(form.accept("  Casa de  campo\t", -1).accepted);
    EXPECT_EQ("Casa de  campo", form.instalacion);
}
