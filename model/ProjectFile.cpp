#include "ProjectFile.h"

#include <climits>
#include <locale>
#include <new>
#include <sstream>
#include <utility>

#include <tinyxml2.h>

#include "FileAccess.h"
#include "base/texts.h"

using tinyxml2::XMLDocument;
using tinyxml2::XMLElement;
using tinyxml2::XMLPrinter;

namespace {

const char kVersion[] = "12.08";
const char kInvalidFile[] = "Archivo inv\xE1lido";
const char kCannotSave[] = "No se pudo guardar el archivo";

// A real project of hundreds of pages is a few megabytes; anything far beyond
// that is refused before the parser multiplies it in memory.
const uint64_t kMaxProjectFileBytes = UINT64_C(64) * 1024 * 1024;

// Our elements carry at most five attributes. The parser checks each new
// attribute against all earlier ones of its element: 40000 attributes on one
// element (400 KB) take seconds, a large file of them hours.
const size_t kMaxAttributesPerElement = 100;

// ---- Reading ----

// Position after the first `terminator` at or after `from`, or the end.
size_t skipPast(const std::string& bytes, size_t from, const char* terminator) {
    size_t found = bytes.find(terminator, from);
    return found == std::string::npos ? bytes.size() : found + std::char_traits<char>::length(terminator);
}

// Skips one tag from its '<', counting '=' outside quoted values: at least
// one per attribute, so the count is never too low.
size_t skipTag(const std::string& bytes, size_t at, size_t& attributes) {
    attributes = 0;
    char quote = 0;
    for (++at; at < bytes.size(); ++at) {
        char c = bytes[at];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '=') {
            ++attributes;
        } else if (c == '>') {
            return at + 1;
        }
    }
    return at;
}

// False when some start tag holds more attributes than a project file can
// sensibly have. Comments, CDATA sections and declarations are skipped whole.
bool attributeCountsReasonable(const std::string& bytes) {
    size_t at = bytes.find('<');
    while (at < bytes.size()) {
        if (bytes.compare(at, 4, "<!--") == 0) {
            at = skipPast(bytes, at + 4, "-->");
        } else if (bytes.compare(at, 9, "<![CDATA[") == 0) {
            at = skipPast(bytes, at + 9, "]]>");
        } else if (bytes.compare(at, 2, "<?") == 0) {
            at = skipPast(bytes, at + 2, "?>");
        } else {
            size_t attributes = 0;
            at = skipTag(bytes, at, attributes);
            if (attributes > kMaxAttributesPerElement)
                return false;
        }
        at = bytes.find('<', at);
    }
    return true;
}

std::string textAttribute(const XMLElement* element, const char* name) {
    const char* value = element ? element->Attribute(name) : nullptr;
    return value ? value : "";
}

bool isCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Scans like the C library's integer scan: white space, sign, digits, stop at
// anything else; no digits gives 0. Saturates at the int32 limits.
int32_t scanInteger(const char* text) {
    if (!text)
        return 0;
    while (isCSpace(*text))
        ++text;
    bool negative = *text == '-';
    if (*text == '-' || *text == '+')
        ++text;
    int64_t magnitude = 0;
    const int64_t limit = negative ? -static_cast<int64_t>(INT32_MIN) : INT32_MAX;
    for (; *text >= '0' && *text <= '9'; ++text) {
        magnitude = magnitude * 10 + (*text - '0');
        if (magnitude >= limit) {
            magnitude = limit;
            break;
        }
    }
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

// "left, top, right, bottom": an integer, then a separator word, three times
// over. Whatever cannot be read stays 0; `complete` tells whether all four were.
Rect parseCoords(const char* text, bool* complete = nullptr) {
    std::istringstream in(text ? text : "");
    in.imbue(std::locale::classic());
    int values[4] = {0, 0, 0, 0};
    std::string separator;
    in >> values[0];
    for (int i = 1; i < 4 && in; ++i)
        in >> separator >> values[i];
    if (complete)
        *complete = !in.fail();
    Rect rect;
    rect.left = values[0];
    rect.top = values[1];
    rect.right = values[2];
    rect.bottom = values[3];
    return rect;
}

Comando readComando(const XMLElement* element) {
    Comando comando;
    comando.sector = textAttribute(element, "sector");
    comando.codigo = textAttribute(element, "codigo");
    comando.pagina = textAttribute(element, "pagina");
    comando.tipoComunicacion = textAttribute(element, "tipoComunicacion");
    comando.btMacAddress = textAttribute(element, "btMacAddress");
    return comando;
}

const XMLElement* child(const XMLElement* parent, const char* name) {
    return parent ? parent->FirstChildElement(name) : nullptr;
}

Region readRegion(const XMLElement* element, bool* complete = nullptr) {
    Region region;
    const XMLElement* coords = element->FirstChildElement("coords");
    region.coords = parseCoords(coords ? coords->GetText() : nullptr, complete);
    region.comando = readComando(element->FirstChildElement("comando"));
    return region;
}

std::unique_ptr<Pagina> readPagina(const XMLElement* element, const std::string& projectFile) {
    auto page = std::make_unique<Pagina>();
    page->nombre = textAttribute(element, "nombre");
    page->setImagen(scanInteger(element->Attribute("ancho")), scanInteger(element->Attribute("alto")),
                    textAttribute(element, "imagen"), projectFile);
    page->orientaciones = textAttribute(element, "orientaciones");
    page->setComandoInicial(readComando(child(element->FirstChildElement("comandoInicial"), "comando")));
    // From the first `region` on, every sibling is a region whatever its name.
    const XMLElement* region = child(element->FirstChildElement("regiones"), "region");
    for (; region; region = region->NextSiblingElement())
        page->addRegion(readRegion(region));
    return page;
}

// Fills `project` from the parsed document; false when it is not a project
// file of this format.
bool readDocument(const XMLDocument& document, Proyecto& project) {
    const XMLElement* root = document.FirstChildElement("tabrino");
    // A missing version reads as "" and is refused like any other.
    if (!root || textAttribute(root, "versionFormato") != kVersion)
        return false;
    project.instalacion = textAttribute(root, "instalacion");
    project.paginaInicial = textAttribute(root, "paginaInicial");
    const XMLElement* page = child(root->FirstChildElement("paginas"), "pagina");
    for (; page; page = page->NextSiblingElement())
        project.addPage(readPagina(page, project.archivo));
    return true;
}

[[noreturn]] void rejectFile(Proyecto& project, const char* why = kInvalidFile) {
    // Clearing `archivo` too: a later save must not overwrite the file that
    // was just refused.
    project.reset();
    throw ProyectoException(why);
}

// ---- Writing ----

void setText(XMLElement* element, const char* name, const std::string& value) {
    element->SetAttribute(name, value.c_str());
}

XMLElement* appendElement(XMLDocument& document, tinyxml2::XMLNode* parent, const char* name) {
    XMLElement* element = document.NewElement(name);
    parent->InsertEndChild(element);
    return element;
}

void appendComando(XMLDocument& document, XMLElement* parent, const Comando& comando) {
    XMLElement* element = appendElement(document, parent, "comando");
    setText(element, "sector", comando.sector);
    setText(element, "codigo", comando.codigo);
    setText(element, "pagina", comando.pagina);
    setText(element, "tipoComunicacion", comando.tipoComunicacion);
    setText(element, "btMacAddress", comando.btMacAddress);
}

std::string coordsText(const Rect& rect) {
    return std::to_string(rect.left) + ", " + std::to_string(rect.top) + ", " + std::to_string(rect.right) + ", " +
           std::to_string(rect.bottom);
}

void appendRegion(XMLDocument& document, tinyxml2::XMLNode* parent, const Region& region) {
    XMLElement* element = appendElement(document, parent, "region");
    element->SetAttribute("tipo", "rect");
    XMLElement* coords = appendElement(document, element, "coords");
    coords->InsertEndChild(document.NewText(coordsText(region.coords).c_str()));
    appendComando(document, element, region.comando);
}

unsigned recordedSize(int32_t value) {
    return value > 0 ? static_cast<unsigned>(value) : 0u;
}

void appendPagina(XMLDocument& document, XMLElement* parent, const Pagina& page) {
    XMLElement* element = appendElement(document, parent, "pagina");
    setText(element, "nombre", page.nombre);
    setText(element, "imagen", page.imagen);
    setText(element, "orientaciones", page.orientaciones);
    element->SetAttribute("ancho", recordedSize(page.recordedAncho()));
    element->SetAttribute("alto", recordedSize(page.recordedAlto()));
    XMLElement* comandoInicial = appendElement(document, element, "comandoInicial");
    appendComando(document, comandoInicial, page.comandoInicial);
    XMLElement* regiones = appendElement(document, element, "regiones");
    for (const Region& region : page.regiones)
        appendRegion(document, regiones, region);
}

void buildDocument(const Proyecto& project, XMLDocument& document) {
    document.InsertEndChild(document.NewDeclaration());
    XMLElement* root = document.NewElement("tabrino");
    document.InsertEndChild(root);
    root->SetAttribute("versionFormato", kVersion);
    setText(root, "instalacion", project.instalacion);
    setText(root, "paginaInicial", project.paginaInicial);
    XMLElement* paginas = appendElement(document, root, "paginas");
    for (const auto& page : project.paginas)
        appendPagina(document, paginas, *page);
}

// The file is what a Windows text-mode stream writes: CR LF line breaks.
// A line break inside an attribute value would come back from the reader as
// a plain LF (the parser folds CR LF, LF CR and a lone CR into one LF), so
// inside values CR and LF are written as character references instead;
// a value without them is printed unchanged.
std::string fileText(const char* text, size_t length) {
    std::string out;
    out.reserve(length + length / 16);
    bool inTag = false;
    bool inValue = false;
    for (size_t i = 0; i < length; ++i) {
        char c = text[i];
        if (inValue && c == '\n') {
            out += "&#10;";
            continue;
        }
        if (inValue && c == '\r') {
            out += "&#13;";
            continue;
        }
        if (c == '\n')
            out += '\r';
        out += c;
        // The printer escapes quotes inside values, so a quote inside a tag
        // always opens or closes one.
        if (inTag && c == '"')
            inValue = !inValue;
        else if (!inValue && c == '<')
            inTag = true;
        else if (!inValue && c == '>')
            inTag = false;
    }
    return out;
}

// The document's text as the file holds it.
std::string printed(const XMLDocument& document) {
    XMLPrinter printer;
    document.Print(&printer);
    // CStrSize counts the terminating zero.
    return fileText(printer.CStr(), static_cast<size_t>(printer.CStrSize() - 1));
}

}  // namespace

void readProjectFile(const std::string& path, Proyecto& project) {
    project.reset();
    FileAccess& files = FileAccess::current();
    std::string bytes;
    if (!readWholeFile(files, path, bytes, kMaxProjectFileBytes))
        rejectFile(project, files.pathTooLong(path) ? kPathTooLongText : kInvalidFile);
    readProjectText(std::move(bytes), path, project);
}

void readProjectText(std::string bytes, const std::string& archivo, Proyecto& project) {
    project.reset();
    project.archivo = archivo;
    if (bytes.size() > kMaxProjectFileBytes || !attributeCountsReasonable(bytes))
        rejectFile(project);
    try {
        XMLDocument document;
        if (document.Parse(bytes.data(), bytes.size()) != tinyxml2::XML_SUCCESS)
            rejectFile(project);
        bytes.clear();
        bytes.shrink_to_fit();
        if (!readDocument(document, project))
            rejectFile(project);
    } catch (const std::bad_alloc&) {
        // A file too big for the memory left is refused like any other.
        rejectFile(project);
    }
    project.takeSnapshot();
}

std::string printProject(const Proyecto& project) {
    XMLDocument document;
    buildDocument(project, document);
    return printed(document);
}

void writeProjectFile(Proyecto& project) {
    if (project.archivo.empty())
        throw ProyectoException(kCannotSave);
    std::string bytes = printProject(project);
    FileAccess& files = FileAccess::current();
    if (!writeFileSafely(files, project.archivo, bytes))
        throw ProyectoException(tooLongToWriteSafely(files, project.archivo) ? kPathTooLongText : kCannotSave);
    project.takeSnapshot();
}

std::string printRegion(const Region& region) {
    XMLDocument document;
    appendRegion(document, &document, region);
    return printed(document);
}

std::string printRegions(const std::vector<Region>& regions) {
    XMLDocument document;
    for (const Region& region : regions)
        appendRegion(document, &document, region);
    return printed(document);
}

bool parseRegions(const std::string& text, std::vector<Region>& regions) {
    if (text.size() > kMaxRegionTextBytes || !attributeCountsReasonable(text))
        return false;
    try {
        XMLDocument document;
        if (document.Parse(text.data(), text.size()) != tinyxml2::XML_SUCCESS || !document.RootElement())
            return false;
        std::vector<Region> read;
        for (const XMLElement* element = document.RootElement(); element; element = element->NextSiblingElement()) {
            if (std::string(element->Name()) != "region" || !element->FirstChildElement("comando"))
                return false;
            bool complete = false;
            read.push_back(readRegion(element, &complete));
            if (!complete)
                return false;
        }
        regions = std::move(read);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

// The text comes from outside the program (the clipboard): only a lone
// `region` element with a command and four readable coordinates is taken.
bool parseRegion(const std::string& text, Region& region) {
    if (text.size() > kMaxRegionTextBytes || !attributeCountsReasonable(text))
        return false;
    try {
        XMLDocument document;
        if (document.Parse(text.data(), text.size()) != tinyxml2::XML_SUCCESS)
            return false;
        const XMLElement* element = document.RootElement();
        if (!element || std::string(element->Name()) != "region" || element->NextSiblingElement() ||
            !element->FirstChildElement("comando"))
            return false;
        bool complete = false;
        Region read = readRegion(element, &complete);
        if (!complete)
            return false;
        region = read;
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}
