#include <gtest/gtest.h>

#include <set>

#include "model/FileAccess.h"
#include "base/resource.h"
#include "ui/PaginaForm.h"
#include "ui/PictureChoice.h"

namespace {

Comando makeComando(const std::string& sector, const std::string& codigo, const std::string& tipo,
                    const std::string& mac) {
    Comando c;
    c.sector = sector;
    c.codigo = codigo;
    c.pagina = "Luces";
    c.tipoComunicacion = tipo;
    c.btMacAddress = mac;
    return c;
}

// Knows a fixed set of existing paths and records what it was asked.
class ExistingFiles : public FileAccess {
public:
    explicit ExistingFiles(std::set<std::string> paths) : paths(std::move(paths)) {}
    std::unique_ptr<InputFile> openRead(const std::string&) override { return nullptr; }
    std::unique_ptr<OutputFile> create(const std::string&) override { return nullptr; }
    bool exists(const std::string& path) override {
        asked.push_back(path);
        return paths.count(path) != 0;
    }
    bool copy(const std::string&, const std::string&) override { return false; }
    bool createFolders(const std::string&) override { return false; }
    bool replace(const std::string&, const std::string&) override { return false; }
    bool remove(const std::string&) override { return false; }

    std::set<std::string> paths;
    std::vector<std::string> asked;
};

}  // namespace

TEST(PaginaForm, OrientationBoxes) {
    PaginaForm none("p", "", "a.png", nullptr);
    EXPECT_TRUE(none.verticalTicked());
    EXPECT_TRUE(none.horizontalTicked());
    PaginaForm h("p", "H", "a.png", nullptr);
    EXPECT_FALSE(h.verticalTicked());
    EXPECT_TRUE(h.horizontalTicked());
    PaginaForm v("p", "V", "a.png", nullptr);
    EXPECT_TRUE(v.verticalTicked());
    EXPECT_FALSE(v.horizontalTicked());
}

TEST(PaginaForm, OrientationsReadBack) {
    PaginaForm form("p", "VH", "a.png", nullptr);
    ASSERT_TRUE(form.accept("p", "a.png", true, false).accepted);
    EXPECT_EQ("V", form.orientaciones);
    ASSERT_TRUE(form.accept("p", "a.png", false, true).accepted);
    EXPECT_EQ("H", form.orientaciones);
    ASSERT_TRUE(form.accept("p", "a.png", true, true).accepted);
    EXPECT_EQ("VH", form.orientaciones);
    ASSERT_TRUE(form.accept("p", "a.png", false, false).accepted);
    EXPECT_EQ("VH", form.orientaciones);
}

TEST(PaginaForm, NameValidation) {
    PaginaForm form("", "VH", "", nullptr);

    FormCheck blanks = form.accept(" \t ", "a.png", true, true);
    EXPECT_FALSE(blanks.accepted);
    EXPECT_EQ("El nombre no puede estar vac\xED" "o", blanks.message);
    EXPECT_EQ(IDC_PAGINA_NOMBRE, blanks.focusControl);

    FormCheck back = form.accept("  /back\t", "a.png", true, true);
    EXPECT_FALSE(back.accepted);
    EXPECT_EQ("El nombre no puede ser /back", back.message);
    EXPECT_EQ(IDC_PAGINA_NOMBRE, back.focusControl);

    EXPECT_TRUE(form.accept("/Back", "a.png", true, true).accepted);
    EXPECT_EQ("/Back", form.nombre);
}

TEST(PaginaForm, ANameAnotherPageHasIsRefused) {
    PaginaForm form("Salon", "VH", "a.png", nullptr, {"Inicio", "Luces"});
    FormCheck taken = form.accept(" Luces ", "a.png", true, true);
    EXPECT_FALSE(taken.accepted);
    EXPECT_EQ("Ya existe una p\xE1gina con ese nombre", taken.message);
    EXPECT_EQ(IDC_PAGINA_NOMBRE, taken.focusControl);
    // Names are compared whole and byte for byte; its own name stays free.
    EXPECT_TRUE(form.accept("luces", "a.png", true, true).accepted);
    EXPECT_TRUE(form.accept("Salon", "a.png", true, true).accepted);
}

TEST(PaginaForm, NameIsCheckedBeforeThePicture) {
    PaginaForm form("", "VH", "", nullptr);
    EXPECT_EQ("El nombre no puede estar vac\xED" "o", form.accept("", "", true, true).message);
    FormCheck noPicture = form.accept("Salon", "  ", true, true);
    EXPECT_FALSE(noPicture.accepted);
    EXPECT_EQ("Se debe definir el nombre de la imagen", noPicture.message);
    EXPECT_EQ(0, noPicture.focusControl);  // the focus stays where it is
}

TEST(PaginaForm, TypedPictureNameIsTrimmedAndNotChecked) {
    PaginaForm form("", "VH", "", nullptr);
    ASSERT_TRUE(form.accept(" Salon ", "\t nowhere to be found.png  ", true, true).accepted);
    EXPECT_EQ("Salon", form.nombre);
    EXPECT_EQ("nowhere to be found.png", form.imagen);
}

TEST(PaginaForm, CommandIsCopiedOrEmpty) {
    Comando c = makeComando("S", "1", "wifi", "");
    PaginaForm with("p", "VH", "a.png", &c);
    EXPECT_EQ(c, with.comandoInicial);
    PaginaForm without("p", "VH", "a.png", nullptr);
    EXPECT_EQ(Comando(), without.comandoInicial);
}

TEST(PaginaForm, CommandSummary) {
    EXPECT_EQ("sector:  conectividad: alias:", PaginaForm::commandSummary(Comando()));
    EXPECT_EQ("sector: Salon conectividad:wifi alias:12",
              PaginaForm::commandSummary(makeComando("Salon", "12", "wifi", "AA:BB")));
    EXPECT_EQ("sector: Salon conectividad:bt alias:12 bt:AA:BB",
              PaginaForm::commandSummary(makeComando("Salon", "12", "bt", "AA:BB")));
    EXPECT_EQ("sector: S conectividad:bt alias: bt:",
              PaginaForm::commandSummary(makeComando("S", "", "bt", "")));
    Comando c = makeComando("S", "1", "bt", "M");
    EXPECT_EQ(PaginaForm::commandSummary(c), PaginaForm("p", "", "i", &c).summary());
}

TEST(PictureChoice, CopiesIntoTheProjectsFolder) {
    ExistingFiles files({});
    PictureChoice choice("Z:\\tmp\\pics\\Salon.png", "Z:\\tmp\\proj", files);
    EXPECT_EQ("Salon.png", choice.name());
    EXPECT_EQ("Z:\\tmp\\proj\\Salon.png", choice.target());
    EXPECT_FALSE(choice.alreadyInPlace());
    EXPECT_TRUE(choice.needsCopy());
    EXPECT_FALSE(choice.asksBeforeReplacing());
    EXPECT_EQ(std::vector<std::string>{"Z:\\tmp\\proj\\Salon.png"}, files.asked);
}

TEST(PictureChoice, DirectoryEndingInBackslashGetsNoSecondOne) {
    ExistingFiles files({});
    PictureChoice choice("Z:\\pics\\a.png", "C:\\", files);
    EXPECT_EQ("C:\\a.png", choice.target());
}

TEST(PictureChoice, FileAlreadyInPlaceIsNeitherAskedNorCopied) {
    ExistingFiles files({"Z:\\tmp\\proj\\Salon.png"});
    PictureChoice choice("z:\\TMP\\Proj\\SALON.PNG", "Z:\\tmp\\proj", files);
    EXPECT_TRUE(choice.alreadyInPlace());
    EXPECT_FALSE(choice.needsCopy());
    EXPECT_FALSE(choice.asksBeforeReplacing());
    EXPECT_EQ("SALON.PNG", choice.name());
    EXPECT_TRUE(files.asked.empty());
}

TEST(PictureChoice, ExistingNameFromElsewhereAsksFirst) {
    ExistingFiles files({"Z:\\proj\\Salon.png"});
    PictureChoice choice("Z:\\other\\Salon.png", "Z:\\proj\\", files);
    EXPECT_TRUE(choice.needsCopy());
    EXPECT_TRUE(choice.asksBeforeReplacing());
}

// The replace question names the other pages whose picture is that very
// file, however the page names it.
TEST(PictureChoice, TheOtherPagesUsingTheReplacedFileAreNamed) {
    ExistingFiles files({"Z:\\proj\\Salon.png"});
    PictureChoice choice("Z:\\other\\Salon.png", "Z:\\proj", files);
    const std::vector<PagePicture> pages{{"Inicio", "salon.png"},
                                         {"Luces", "luces.png"},
                                         {"Patio", "Z:\\PROJ\\SALON.png"},
                                         {"Fotos", "fotos\\Salon.png"},
                                         {"Cocina", "Salon.png"}};
    EXPECT_EQ((std::vector<std::string>{"Inicio", "Patio", "Cocina"}), choice.pagesUsingTarget(pages));
    EXPECT_TRUE(choice.pagesUsingTarget({{"Luces", "luces.png"}}).empty());
}

TEST(PictureChoice, BareNameFromAnyPathForm) {
    ExistingFiles files({});
    EXPECT_EQ("a.png", PictureChoice("C:a.png", "Z:\\p", files).name());
    EXPECT_EQ("b.png", PictureChoice("Z:\\x/y/b.png", "Z:\\p", files).name());
    EXPECT_EQ("c.png", PictureChoice("c.png", "Z:\\p", files).name());
}

TEST(PictureChoice, PathWithoutFileNameDoesNothing) {
    ExistingFiles files({"Z:\\p\\"});
    PictureChoice choice("Z:\\pics\\", "Z:\\p", files);
    EXPECT_EQ("", choice.name());
    EXPECT_FALSE(choice.needsCopy());
    EXPECT_FALSE(choice.asksBeforeReplacing());
    EXPECT_TRUE(files.asked.empty());
}

TEST(PictureChoice, CaseIsIgnoredForEveryWindows1252Letter) {
    EXPECT_TRUE(equalIgnoringCase("Z:\\A.PNG", "z:\\a.png"));
    EXPECT_FALSE(equalIgnoringCase("a.png", "a.pn"));
    // Á á, Ñ ñ, Ü ü, Š š, Œ œ, Ž ž, Ÿ ÿ
    EXPECT_TRUE(equalIgnoringCase("\xC1\xD1\xDC\x8A\x8C\x8E\x9F.png", "\xE1\xF1\xFC\x9A\x9C\x9E\xFF.png"));
    // × and ÷ are signs, ß and µ have no other case here; @ and ` are not letters.
    EXPECT_FALSE(equalIgnoringCase("\xD7", "\xF7"));
    EXPECT_FALSE(equalIgnoringCase("\xDF", "\xFF"));
    EXPECT_FALSE(equalIgnoringCase("@", "`"));
    ExistingFiles files({});
    EXPECT_TRUE(PictureChoice("Z:\\Pa\xD1o\\\xC1rbol.png", "z:\\pa\xF1o", files).alreadyInPlace());
}

TEST(PictureChoice, ChoosersOpenWhereTheLastPictureWasElseBesideTheProject) {
    const struct {
        const char* last;
        const char* project;
        const char* folder;
    } rows[] = {
        {"", "C:\\Casa\\casa.xml", "C:\\Casa\\"},
        {"D:\\Exportadas\\sala.png", "C:\\Casa\\casa.xml", "D:\\Exportadas\\"},
        {"D:\\Exportadas\\sala.png", "", "D:\\Exportadas\\"},
        {"", "", ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(pictureChooserFolder(row.last, row.project), row.folder) << row.last << " | " << row.project;
}
