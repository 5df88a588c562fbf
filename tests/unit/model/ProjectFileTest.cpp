#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "model/ProjectFile.h"
#include "support/FailingFileAccess.h"
#include "support/MemoryFileAccess.h"
#include "support/PngFile.h"
#include "support/TempFolder.h"
#include "support/TestData.h"

namespace {

const char kInvalid[] = "Archivo inv\xE1lido";
const char kCannotSave[] = "No se pudo guardar el archivo";

// Read inside a test, so that a missing fixture fails that test only.
std::string workedExample() {
    return testData("worked-example.xml");
}

Comando comando(const std::string& sector, const std::string& codigo, const std::string& pagina,
                const std::string& tipo) {
    Comando c;
    c.sector = sector;
    c.codigo = codigo;
    c.pagina = pagina;
    c.tipoComunicacion = tipo;
    return c;
}

Region region(int32_t left, int32_t top, int32_t right, int32_t bottom, const Comando& c) {
    Region r;
    r.coords = Rect{left, top, right, bottom};
    r.comando = c;
    return r;
}

std::unique_ptr<Pagina> page(const std::string& nombre, const std::string& imagen, const std::string& orientaciones,
                             int32_t ancho, int32_t alto) {
    auto p = std::make_unique<Pagina>();
    p->nombre = nombre;
    p->setImagen(ancho, alto, imagen);
    p->orientaciones = orientaciones;
    return p;
}

// The project of the worked example; its pictures are missing, so each page
// shows the blank 480 x 800 picture.
void buildWorkedExample(Proyecto& project) {
    project.instalacion = "Casa";
    project.paginaInicial = "Inicio";
    auto inicio = page("Inicio", "inicio.png", "VH", 480, 800);
    inicio->addRegion(region(10, 20, 230, 120, comando("Living", "luz1", "", "wifi")));
    inicio->addRegion(region(250, 20, 470, 120, comando("", "", "Luces", "wifi")));
    auto luces = page("Luces", "luces.png", "V", 480, 800);
    luces->addRegion(region(0, 700, 480, 800, comando("", "", "/back", "wifi")));
    project.addPage(std::move(inicio));
    project.addPage(std::move(luces));
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Runs `read` and returns the exception text, or "" when nothing was thrown.
std::string readError(const std::string& path, Proyecto& project) {
    try {
        readProjectFile(path, project);
    } catch (const ProyectoException& e) {
        return e.what();
    }
    return "";
}

std::string fileWith(const std::string& paginas) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
           "<tabrino versionFormato=\"12.08\" instalacion=\"Casa\" paginaInicial=\"\">\r\n"
           "<paginas>" +
           paginas + "</paginas></tabrino>\r\n";
}

class ProjectFileTest : public ::testing::Test {
protected:
    // Writes `bytes` as a project file and reads it; fails the test on error.
    void readText(const std::string& bytes) {
        writeBytes(folder.file("p.xml"), bytes);
        ASSERT_EQ("", readError(folder.file("p.xml"), project));
    }
    TempFolder folder;
    Proyecto project;
};

}  // namespace

TEST_F(ProjectFileTest, WorkedExampleIsPrintedByteForByte) {
    buildWorkedExample(project);
    EXPECT_EQ(workedExample(), printProject(project));
}

TEST_F(ProjectFileTest, WorkedExampleReadsBackEqualWithItsSnapshot) {
    readText(workedExample());
    Proyecto expected;
    buildWorkedExample(expected);
    expected.archivo = folder.file("p.xml");
    EXPECT_EQ(expected, project);
    EXPECT_EQ(480, project.paginas[1]->ancho);
    EXPECT_EQ(800u, project.paginas[1]->imagenCargada->height());
    ASSERT_NE(nullptr, project.guardado);
    EXPECT_FALSE(project.hasUnsavedChanges());
    EXPECT_EQ(workedExample(), printProject(project));
}

TEST_F(ProjectFileTest, SaveWritesTheFileAndTakesTheSnapshot) {
    buildWorkedExample(project);
    project.archivo = folder.file("casa.xml");
    EXPECT_TRUE(project.hasUnsavedChanges());
    writeProjectFile(project);
    EXPECT_EQ(workedExample(), readBytes(project.archivo));
    EXPECT_FALSE(project.hasUnsavedChanges());
    EXPECT_FALSE(std::ifstream(project.archivo + ".quenda-tmp").good());

    Proyecto reread;
    readProjectFile(project.archivo, reread);
    EXPECT_EQ(project, reread);
}

TEST_F(ProjectFileTest, SaveWithoutFileNameFails) {
    buildWorkedExample(project);
    try {
        writeProjectFile(project);
        FAIL() << "saved without a file name";
    } catch (const ProyectoException& e) {
        EXPECT_STREQ(kCannotSave, e.what());
    }
    EXPECT_EQ(nullptr, project.guardado);
}

TEST_F(ProjectFileTest, SizesWrittenAreThoseOfTheDecodedPictures) {
    ASSERT_TRUE(writePng(folder.file("salon.png"), 64, 48));
    project.addPage(page("Salon", folder.file("salon.png"), "VH", 400, 200));
    project.addPage(page("Cocina", folder.file("cocina.png"), "VH", 400, 200));
    project.archivo = folder.file("casa.xml");
    writeProjectFile(project);
    std::string bytes = readBytes(project.archivo);
    EXPECT_NE(std::string::npos, bytes.find("nombre=\"Salon\" imagen=\"" + folder.file("salon.png") +
                                            "\" orientaciones=\"VH\" ancho=\"64\" alto=\"48\">"));
    EXPECT_NE(std::string::npos, bytes.find("ancho=\"400\" alto=\"200\""));

    Proyecto reread;
    readProjectFile(project.archivo, reread);
    EXPECT_EQ(64, reread.paginas[0]->ancho);
    EXPECT_EQ(48, reread.paginas[0]->alto);
    EXPECT_EQ(400u, reread.paginas[1]->imagenCargada->width());
}

TEST_F(ProjectFileTest, EscapesAndWindows1252BytesRoundTrip) {
    project.instalacion = "A&B <C> \"D\" 'E'";
    project.paginaInicial = "Sal\xF3n";
    auto p = page("Sal\xF3n", "sal\xF3n.png", "VH", 10, 10);
    p->comandoInicial = comando("<&>", "\"'", "/back", "bt");
    p->comandoInicial.btMacAddress = "00:11:22:33:44:55";
    p->addRegion(region(-5, -1, 0, 2147483647, comando("s", "c", "Sal\xF3n", "wifi")));
    project.addPage(std::move(p));
    project.archivo = folder.file("casa.xml");
    writeProjectFile(project);

    std::string bytes = readBytes(project.archivo);
    EXPECT_NE(std::string::npos, bytes.find("instalacion=\"A&amp;B &lt;C&gt; &quot;D&quot; &apos;E&apos;\""));
    EXPECT_NE(std::string::npos, bytes.find("nombre=\"Sal\xF3n\" imagen=\"sal\xF3n.png\""));
    EXPECT_NE(std::string::npos, bytes.find("sector=\"&lt;&amp;&gt;\" codigo=\"&quot;&apos;\""));
    EXPECT_NE(std::string::npos, bytes.find("<coords>-5, -1, 0, 2147483647</coords>"));
    EXPECT_EQ(std::string::npos, bytes.find("\xC3\xB3"));
    EXPECT_NE(0, bytes.compare(0, 3, "\xEF\xBB\xBF"));

    Proyecto reread;
    readProjectFile(project.archivo, reread);
    EXPECT_EQ(project, reread);
}

TEST_F(ProjectFileTest, LineBreaksInsideValuesRoundTrip) {
    // The smallest file that once read back different after a save.
    readText(testData("line-break-in-value.xml"));
    project.instalacion = "a\rb\r\nc\n\rd\ne";
    project.paginas[0]->comandoInicial.codigo = "\r";
    project.archivo = folder.file("casa.xml");
    writeProjectFile(project);

    std::string bytes = readBytes(project.archivo);
    EXPECT_NE(std::string::npos, bytes.find("instalacion=\"a&#13;b&#13;&#10;c&#10;&#13;d&#10;e\""));
    EXPECT_NE(std::string::npos, bytes.find("codigo=\"&#13;\""));
    Proyecto reread;
    readProjectFile(project.archivo, reread);
    EXPECT_EQ(project, reread);
    EXPECT_EQ(bytes, printProject(reread));
}

TEST_F(ProjectFileTest, CoordsTextHasItsEntitiesDecoded) {
    readText(fileWith("<pagina nombre=\"a\"><regiones><region><coords>1 &amp;&apos; 2 ; 3 ; 4</coords>"
                      "</region></regiones></pagina>"));
    EXPECT_EQ(Rect({1, 2, 3, 4}), project.paginas[0]->regiones[0].coords);
}

TEST_F(ProjectFileTest, EmptyPageListAndEmptyRegionListRoundTrip) {
    project.instalacion = "Vac\xEDo";
    project.archivo = folder.file("vacio.xml");
    writeProjectFile(project);
    EXPECT_NE(std::string::npos, readBytes(project.archivo).find("\r\n    <paginas/>\r\n</tabrino>\r\n"));
    Proyecto reread;
    readProjectFile(project.archivo, reread);
    EXPECT_TRUE(reread.paginas.empty());
    EXPECT_EQ("Vac\xEDo", reread.instalacion);

    project.addPage(page("Inicio", "", "VH", 0, 0));
    writeProjectFile(project);
    EXPECT_NE(std::string::npos, readBytes(project.archivo).find("            <regiones/>\r\n"));
    readProjectFile(project.archivo, reread);
    ASSERT_EQ(1u, reread.paginas.size());
    EXPECT_TRUE(reread.paginas[0]->regiones.empty());
}

TEST_F(ProjectFileTest, VersionMustBeExactly1208) {
    for (const char* version : {"12.8", "12.08 ", " 12.08", "12.09", ""}) {
        std::string text = workedExample();
        text.replace(text.find("12.08"), 5, version);
        writeBytes(folder.file("p.xml"), text);
        project.instalacion = "previo";
        EXPECT_EQ(kInvalid, readError(folder.file("p.xml"), project)) << "'" << version << "'";
        EXPECT_TRUE(project.paginas.empty());
        EXPECT_EQ("", project.archivo);
        EXPECT_EQ("", project.instalacion);
        EXPECT_EQ(nullptr, project.guardado);
        EXPECT_FALSE(project.hasUnsavedChanges());
    }
}

TEST_F(ProjectFileTest, MissingVersionOrRootIsRejected) {
    writeBytes(folder.file("a.xml"), "<tabrino instalacion=\"Casa\"><paginas/></tabrino>");
    EXPECT_EQ(kInvalid, readError(folder.file("a.xml"), project));
    writeBytes(folder.file("b.xml"), "<otro versionFormato=\"12.08\"/>");
    EXPECT_EQ(kInvalid, readError(folder.file("b.xml"), project));
    EXPECT_EQ(kInvalid, readError(folder.file("no-existe.xml"), project));
}

TEST_F(ProjectFileTest, EveryElementAfterTheFirstPaginaIsAPage) {
    readText(fileWith("<intro nombre=\"skipped\"/>"
                      "<pagina nombre=\"uno\"/>"
                      "<otra nombre=\"dos\"/>"
                      "<pagina nombre=\"tres\"/>"));
    EXPECT_EQ((std::vector<std::string>{"uno", "dos", "tres"}), project.pageNames());
}

TEST_F(ProjectFileTest, EveryElementAfterTheFirstRegionIsARegion) {
    readText(fileWith("<pagina nombre=\"p\"><regiones>"
                      "<nota><coords>9, 9, 9, 9</coords></nota>"
                      "<region tipo=\"circulo\"><coords>1, 2, 3, 4</coords></region>"
                      "<cosa><coords>5, 6, 7, 8</coords><comando codigo=\"x\"/></cosa>"
                      "</regiones></pagina>"));
    const auto& regiones = project.paginas[0]->regiones;
    ASSERT_EQ(2u, regiones.size());
    EXPECT_EQ(Rect({1, 2, 3, 4}), regiones[0].coords);
    EXPECT_EQ(Rect({5, 6, 7, 8}), regiones[1].coords);
    EXPECT_EQ("x", regiones[1].comando.codigo);
}

TEST_F(ProjectFileTest, MissingPartsReadAsEmpty) {
    readText(fileWith("<pagina><regiones><region/></regiones></pagina>"));
    const Pagina& p = *project.paginas[0];
    EXPECT_EQ("", p.nombre);
    EXPECT_EQ("", p.imagen);
    EXPECT_EQ("", p.orientaciones);
    EXPECT_EQ(Comando(), p.comandoInicial);
    ASSERT_EQ(1u, p.regiones.size());
    EXPECT_EQ(Region(), p.regiones[0]);
}

TEST_F(ProjectFileTest, MissingSizesAndMissingPictureGiveNoPixelsAndSaveAsZero) {
    readText(fileWith("<pagina nombre=\"p\" imagen=\"no-existe.png\"/>"));
    const Pagina& p = *project.paginas[0];
    EXPECT_EQ(0, p.ancho);
    EXPECT_EQ(0, p.alto);
    EXPECT_EQ(0u, p.imagenCargada->width());
    EXPECT_EQ(0u, p.imagenCargada->height());
    EXPECT_NE(std::string::npos, printProject(project).find("ancho=\"0\" alto=\"0\""));
}

TEST_F(ProjectFileTest, SizesScanLikeCIntegers) {
    readText(fileWith("<pagina nombre=\"a\" ancho=\" 12px\" alto=\"+7\"/>"
                      "<pagina nombre=\"b\" ancho=\"x12\" alto=\"-3\"/>"
                      "<pagina nombre=\"c\" ancho=\"99999999999\" alto=\"-99999999999\"/>"));
    EXPECT_EQ(12, project.paginas[0]->ancho);
    EXPECT_EQ(7, project.paginas[0]->alto);
    EXPECT_EQ(0, project.paginas[1]->ancho);
    EXPECT_EQ(-3, project.paginas[1]->alto);
    EXPECT_EQ(INT32_MAX, project.paginas[2]->ancho);
    EXPECT_EQ(INT32_MIN, project.paginas[2]->alto);
}

TEST_F(ProjectFileTest, PageWhosePictureCouldNotBeMadeKeepsItsSizesOnSave) {
    // No blank picture for a size of zero area or beyond the pixel limit: the
    // recorded numbers are written back (negative ones as 0).
    readText(fileWith("<pagina nombre=\"a\" ancho=\"0\" alto=\"600\"/>"
                      "<pagina nombre=\"b\" ancho=\"99999999\" alto=\"99999999\"/>"
                      "<pagina nombre=\"c\" ancho=\"-4\" alto=\"30\"/>"));
    std::string bytes = printProject(project);
    EXPECT_NE(std::string::npos, bytes.find("nombre=\"a\" imagen=\"\" orientaciones=\"\" ancho=\"0\" alto=\"600\""));
    EXPECT_NE(std::string::npos, bytes.find("ancho=\"99999999\" alto=\"99999999\""));
    EXPECT_NE(std::string::npos, bytes.find("ancho=\"0\" alto=\"30\""));
}

TEST_F(ProjectFileTest, CoordsForms) {
    struct Case {
        const char* text;
        Rect expected;
    } cases[] = {
        {"1, 2, 3, 4", {1, 2, 3, 4}},
        {"1 ; 2 ; 3 ; 4", {1, 2, 3, 4}},
        {"  -1 , -2 , +3 , 4 trailing", {-1, -2, 3, 4}},
        {"1,2,3,4", {1, 0, 0, 0}},
        {"1, 2", {1, 2, 0, 0}},
        {"", {0, 0, 0, 0}},
        {"x, 2, 3, 4", {0, 0, 0, 0}},
        {"99999999999, 2, 3, 4", {INT32_MAX, 0, 0, 0}},
        {"1, -99999999999, 3, 4", {1, INT32_MIN, 0, 0}},
    };
    std::string pages;
    for (const Case& c : cases)
        pages += std::string("<pagina><regiones><region><coords>") + c.text + "</coords></region></regiones></pagina>";
    readText(fileWith(pages));
    ASSERT_EQ(std::size(cases), project.paginas.size());
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cases[i].expected, project.paginas[i]->regiones[0].coords) << "'" << cases[i].text << "'";
}

TEST_F(ProjectFileTest, FailedSaveLeavesEverythingAsItWas) {
    buildWorkedExample(project);
    project.archivo = folder.file("casa.xml");
    writeProjectFile(project);
    const std::string before = readBytes(project.archivo);

    project.paginas[0]->nombre = "Portada";
    project.instalacion = "Casa de campo";
    FailingFileAccess fullDisk(100);
    {
        ScopedFileAccess installed(fullDisk);
        try {
            writeProjectFile(project);
            FAIL() << "save reported success on a full disk";
        } catch (const ProyectoException& e) {
            EXPECT_STREQ(kCannotSave, e.what());
        }
    }
    EXPECT_EQ(before, readBytes(project.archivo));
    EXPECT_FALSE(std::ifstream(project.archivo + ".quenda-tmp").good());
    EXPECT_EQ(folder.file("casa.xml"), project.archivo);
    EXPECT_EQ("Casa", project.guardado->instalacion);
    EXPECT_TRUE(project.hasUnsavedChanges());
}

TEST_F(ProjectFileTest, SaveIntoMissingFolderFails) {
    buildWorkedExample(project);
    project.archivo = folder.file("no/existe/casa.xml");
    EXPECT_THROW(writeProjectFile(project), ProyectoException);
    EXPECT_EQ(folder.file("no/existe/casa.xml"), project.archivo);
    EXPECT_EQ(nullptr, project.guardado);
}

TEST(ProjectFileAccess, FileAndPicturesAreReadThroughTheInstalledFileAccess) {
    MemoryFileAccess files;
    files.files["Z:\\casa\\salon.png"] = pngBytes(32, 24);
    files.files["Z:\\casa\\casa.xml"] = fileWith("<pagina nombre=\"Salon\" imagen=\"Z:\\casa\\salon.png\" "
                                                 "ancho=\"400\" alto=\"200\"/>");
    ScopedFileAccess installed(files);
    Proyecto project;
    readProjectFile("Z:\\casa\\casa.xml", project);
    ASSERT_EQ(1u, project.paginas.size());
    EXPECT_EQ(32u, project.paginas[0]->imagenCargada->width());
    EXPECT_EQ(24u, project.paginas[0]->imagenCargada->height());

    project.archivo = "Z:\\casa\\copia.xml";
    writeProjectFile(project);
    EXPECT_NE(std::string::npos, files.files["Z:\\casa\\copia.xml"].find("ancho=\"32\" alto=\"24\""));
    EXPECT_EQ(0u, files.files.count("Z:\\casa\\copia.xml.quenda-tmp"));
}

TEST(ProjectFileAccess, SavingAndSnapshotDecodeNoPicture) {
    MemoryFileAccess files;
    files.files["Z:\\casa\\salon.png"] = pngBytes(32, 24);
    files.files["Z:\\casa\\casa.xml"] = fileWith("<pagina nombre=\"Salon\" imagen=\"Z:\\casa\\salon.png\"/>");
    ScopedFileAccess installed(files);
    Proyecto project;
    readProjectFile("Z:\\casa\\casa.xml", project);

    // Another picture under the same name: a save that decoded it again
    // would write its size.
    files.files["Z:\\casa\\salon.png"] = pngBytes(64, 48);
    writeProjectFile(project);
    EXPECT_NE(std::string::npos, files.files["Z:\\casa\\casa.xml"].find("ancho=\"32\" alto=\"24\""));
    ASSERT_NE(nullptr, project.guardado);
    EXPECT_EQ(nullptr, project.guardado->paginas[0]->imagenCargada);
}
