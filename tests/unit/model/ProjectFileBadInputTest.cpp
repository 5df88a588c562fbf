// Malformed and hostile project files: each must end as "Archivo inválido"
// or as a defined lenient result, never as a crash, a hang, another
// exception or memory out of proportion to the file.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <functional>

#include "model/ProjectFile.h"
#include "support/MemoryFileAccess.h"

namespace {

const char kInvalid[] = "Archivo inv\xE1lido";
const char kPath[] = "Z:\\casa\\casa.xml";

std::string header(const std::string& version = "12.08") {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<tabrino versionFormato=\"" + version +
           "\" instalacion=\"Casa\" paginaInicial=\"\">";
}

std::string withPages(const std::string& paginas) {
    return header() + "<paginas>" + paginas + "</paginas></tabrino>\n";
}

std::string repeated(const std::string& piece, size_t times) {
    std::string out;
    out.reserve(piece.size() * times);
    for (size_t i = 0; i < times; ++i)
        out += piece;
    return out;
}

// ` a0="" a1="" ...`, `count` distinct attributes.
std::string numberedAttributes(int count) {
    std::string out;
    for (int i = 0; i < count; ++i)
        out += " a" + std::to_string(i) + "=\"\"";
    return out;
}

const std::string kGoodFile = withPages(
    "<pagina nombre=\"Inicio\" imagen=\"inicio.png\" orientaciones=\"VH\" ancho=\"480\" alto=\"800\">"
    "<comandoInicial><comando sector=\"\" codigo=\"\" pagina=\"\" tipoComunicacion=\"\" btMacAddress=\"\"/>"
    "</comandoInicial><regiones><region tipo=\"rect\"><coords>10, 20, 230, 120</coords>"
    "<comando sector=\"Living\" codigo=\"luz1\" pagina=\"\" tipoComunicacion=\"wifi\" btMacAddress=\"\"/>"
    "</region></regiones></pagina>");

struct BadFile {
    const char* name;
    std::string bytes;
    // -1: refused as "Archivo inválido"; otherwise the number of pages read.
    int pages;
    std::function<void(const Proyecto&)> check;
};

std::vector<BadFile> badFiles() {
    return {
        {"empty", "", -1, nullptr},
        {"only white space", " \r\n\t ", -1, nullptr},
        {"not xml", "PK\x03\x04 this is a zip file", -1, nullptr},
        {"plain text", "tabrino 12.08", -1, nullptr},
        {"declaration only", "<?xml version=\"1.0\"?>", -1, nullptr},
        {"truncated", kGoodFile.substr(0, kGoodFile.size() / 2), -1, nullptr},
        {"truncated in a tag", kGoodFile.substr(0, kGoodFile.find("coords") + 3), -1, nullptr},
        {"unclosed root", header(), -1, nullptr},
        {"mismatched tags", header() + "<paginas></pagina></tabrino>", -1, nullptr},
        {"wrong version", withPages("").replace(withPages("").find("12.08"), 5, "13.00"), -1, nullptr},
        {"version with space", withPages("").replace(withPages("").find("12.08"), 5, "12.08 "), -1, nullptr},
        {"no version", "<tabrino><paginas/></tabrino>", -1, nullptr},
        {"wrong root", "<proyecto versionFormato=\"12.08\"/>", -1, nullptr},
        {"root of other case", "<Tabrino versionFormato=\"12.08\"/>", -1, nullptr},
        {"deep nesting", header() + repeated("<a>", 100000) + repeated("</a>", 100000) + "</tabrino>", -1,
         nullptr},
        {"deep nesting inside a page", withPages("<pagina>" + repeated("<b>", 5000) + repeated("</b>", 5000) +
                                                 "</pagina>"),
         -1, nullptr},
        {"utf-16", std::string("\xFF\xFE<\0t\0", 6), -1, nullptr},
        {"nul byte inside", kGoodFile.substr(0, 60) + std::string(1, '\0') + kGoodFile.substr(60), -1, nullptr},

        {"byte order mark", "\xEF\xBB\xBF" + kGoodFile, 1, nullptr},
        {"good file", kGoodFile, 1,
         [](const Proyecto& p) {
             EXPECT_EQ(Rect({10, 20, 230, 120}), p.paginas[0]->regiones[0].coords);
             EXPECT_EQ("luz1", p.paginas[0]->regiones[0].comando.codigo);
         }},
        {"no paginas", header() + "</tabrino>", 0, nullptr},
        {"empty paginas", withPages(""), 0, nullptr},
        {"comment and text among pages", withPages("text<!-- c --><pagina nombre=\"a\"/>more<!-- d -->"), 1, nullptr},
        {"processing instruction among pages", withPages("<pagina/><?pi x?>"), -1, nullptr},
        // The parser passes unknown references through as they stand.
        {"unknown entity", withPages("<pagina nombre=\"&nada;\" imagen=\"&#xZZ;\"/>"), 1,
         [](const Proyecto& p) {
             EXPECT_EQ("&nada;", p.paginas[0]->nombre);
             EXPECT_EQ("&#xZZ;", p.paginas[0]->imagen);
         }},
        {"character references", withPages("<pagina nombre=\"&#0;x\" imagen=\"&#x110000;\" orientaciones=\"&#x56;\"/>"),
         1, [](const Proyecto& p) { EXPECT_EQ("V", p.paginas[0]->orientaciones); }},
        {"absurd sizes", withPages("<pagina ancho=\"99999999\" alto=\"99999999\"/>"), 1,
         [](const Proyecto& p) {
             EXPECT_EQ(99999999, p.paginas[0]->ancho);
             EXPECT_FALSE(p.paginas[0]->picture()->hasPicture());
         }},
        {"long but thin", withPages("<pagina ancho=\"99999999\" alto=\"1\"/>"), 1, nullptr},
        {"sizes beyond int32", withPages("<pagina ancho=\"-99999999999999999999\" alto=\"1e9\"/>"), 1,
         [](const Proyecto& p) {
             EXPECT_EQ(INT32_MIN, p.paginas[0]->ancho);
             EXPECT_EQ(1, p.paginas[0]->alto);
         }},
        {"huge attribute", withPages("<pagina nombre=\"" + std::string(4 << 20, 'n') + "\"/>"), 1,
         [](const Proyecto& p) { EXPECT_EQ(size_t(4) << 20, p.paginas[0]->nombre.size()); }},
        {"huge coords", withPages("<pagina><regiones><region><coords>" + std::string(1 << 20, '9') +
                                  ", 2, 3, 4</coords></region></regiones></pagina>"),
         1, [](const Proyecto& p) { EXPECT_EQ(INT32_MAX, p.paginas[0]->regiones[0].coords.left); }},
        {"extra attributes", withPages("<pagina nombre=\"a\" " + numberedAttributes(99) + "/>"), 1,
         [](const Proyecto& p) { EXPECT_EQ("a", p.paginas[0]->nombre); }},
        // Parsing them would take time growing with the square of their number.
        {"thousands of attributes", withPages("<pagina nombre=\"a\" " + numberedAttributes(100000) + "/>"), -1,
         nullptr},
        {"many attributes in a comment", withPages("<!-- <x " + numberedAttributes(1000) + "> --><pagina/>"), 1,
         nullptr},
        {"'>' inside attribute values", withPages("<pagina nombre=\"a>b\" imagen='=>=' " + numberedAttributes(98) +
                                                  "/>"),
         1, [](const Proyecto& p) { EXPECT_EQ("a>b", p.paginas[0]->nombre); }},
        {"many pages", withPages("<pagina/>" + repeated("<p/>", 50000)), 50001, nullptr},
        {"many regions", withPages("<pagina><regiones>" + repeated("<region/>", 100000) + "</regiones></pagina>"),
         1, [](const Proyecto& p) { EXPECT_EQ(100000u, p.paginas[0]->regiones.size()); }},
        {"duplicate attributes", withPages("<pagina nombre=\"uno\" nombre=\"dos\"/>"), -1, nullptr},
        // The parser takes the first of several top-level elements.
        {"two roots", kGoodFile + "<tabrino/>", 1, nullptr},
        {"cdata coords", withPages("<pagina><regiones><region><coords><![CDATA[5, 6, 7, 8]]></coords>"
                                   "</region></regiones></pagina>"),
         1, [](const Proyecto& p) { EXPECT_EQ(Rect({5, 6, 7, 8}), p.paginas[0]->regiones[0].coords); }},
        {"coords with child element", withPages("<pagina><regiones><region><coords><x/>1, 2, 3, 4</coords>"
                                                "</region></regiones></pagina>"),
         1, [](const Proyecto& p) { EXPECT_EQ(Rect(), p.paginas[0]->regiones[0].coords); }},
    };
}

// Outcome of reading: "" when read, else the exception text.
std::string readBytes(std::string bytes, Proyecto& project) {
    MemoryFileAccess files;
    files.files[kPath] = std::move(bytes);
    ScopedFileAccess installed(files);
    try {
        readProjectFile(kPath, project);
    } catch (const ProyectoException& e) {
        return e.what();
    }
    return "";
}

long maxResidentKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

TEST(ProjectFileBadInput, EveryRowEndsAsRefusedOrAsDefined) {
    for (const BadFile& row : badFiles()) {
        SCOPED_TRACE(row.name);
        Proyecto project;
        project.instalacion = "previo";
        std::string outcome = readBytes(row.bytes, project);
        if (row.pages < 0) {
            EXPECT_EQ(kInvalid, outcome);
            EXPECT_TRUE(project.isBlank());
            EXPECT_EQ(nullptr, project.guardado);
            continue;
        }
        ASSERT_EQ("", outcome);
        EXPECT_EQ(static_cast<size_t>(row.pages), project.paginas.size());
        EXPECT_EQ(kPath, project.archivo);
        EXPECT_FALSE(project.hasUnsavedChanges());
        if (row.check)
            row.check(project);
    }
}

TEST(ProjectFileBadInput, FileLargerThanAnyProjectIsRefused) {
    Proyecto project;
    std::string big = withPages("<pagina nombre=\"" + std::string(65 << 20, 'n') + "\"/>");
    EXPECT_EQ(kInvalid, readBytes(std::move(big), project));
    EXPECT_TRUE(project.isBlank());
}

TEST(ProjectFileBadInput, PathThatIsAFolderIsRefused) {
    Proyecto project;
    try {
        readProjectFile("/tmp", project);
        FAIL() << "a folder was read as a project";
    } catch (const ProyectoException& e) {
        EXPECT_STREQ(kInvalid, e.what());
    }
    EXPECT_EQ("", project.archivo);
}

TEST(ProjectFileBadInput, AbsurdPageSizesCostNoMemoryUntilShown) {
    // Forty pages of 10000 x 10000 blank pixels would be four gigabytes if
    // they were allocated while reading.
    Proyecto project;
    long before = maxResidentKilobytes();
    ASSERT_EQ("", readBytes(withPages(repeated("<pagina ancho=\"10000\" alto=\"10000\"/>", 40)), project));
    EXPECT_LT(maxResidentKilobytes() - before, 512 * 1024);
    ASSERT_EQ(40u, project.paginas.size());
    EXPECT_EQ(10000u, project.paginas[39]->pictureWidth());
    EXPECT_NE(std::string::npos, printProject(project).find("ancho=\"10000\" alto=\"10000\""));
}
