#include "ui/HandoverDocument.h"

#include <algorithm>

#include "model/JumpGraph.h"
#include "model/Proyecto.h"
#include "ui/CommandDescription.h"
#include "ui/HtmlText.h"
#include "ui/JumpMap.h"

namespace {

const char kStyle[] =
    "<style>\n"
    "*{-webkit-print-color-adjust:exact;print-color-adjust:exact}\n"
    "body{font-family:sans-serif;color:#222;margin:0 auto;padding:1em 1.5em;max-width:62em}\n"
    "h1{margin-bottom:.2em}h2{border-bottom:2px solid #1f3a5f;padding-bottom:.2em}\n"
    "dl.datos{display:grid;grid-template-columns:max-content auto;gap:.2em 1em}dl.datos dt{font-weight:bold}"
    "dl.datos dd{margin:0}\n"
    "svg.mapa{display:block;max-width:100%;height:auto}\n"
    "svg.mapa text{font-size:13px;text-anchor:middle;fill:#1f3a5f}\n"
    "svg.mapa text.marca{font-size:9px;font-weight:bold;fill:#8a5200}\n"
    "svg.mapa text.banda{text-anchor:start;font-style:italic;fill:#6b5a36}\n"
    "svg.mapa rect.banda{fill:#f4efe3}\n"
    "svg.mapa rect.pagina{fill:#e9f0fa;stroke:#1f3a5f;stroke-width:1.5}\n"
    "svg.mapa rect.inicio{fill:#ffe7a3;stroke:#b06d00;stroke-width:3}\n"
    "svg.mapa rect.aislada{fill:#fff;stroke:#777;stroke-dasharray:5 3}\n"
    "svg.mapa polyline{fill:none;stroke:#1f3a5f;stroke-width:1.5}\n"
    "svg.mapa polyline.inicial{stroke-dasharray:6 3}\n"
    ".imagen{position:relative;width:100%;margin:1em 0}\n"
    ".imagen img,.imagen .falta{display:block;width:100%;height:auto}\n"
    ".imagen .falta{background:#c8c8c8;color:#444;display:flex;align-items:center;justify-content:center;"
    "font-size:1.4em}\n"
    ".imagen svg{position:absolute;left:0;top:0;width:100%;height:100%;overflow:hidden}\n"
    ".imagen rect.borde{fill:none;stroke:#e00000;stroke-width:3}\n"
    ".imagen rect.numero{fill:#e00000}\n"
    ".imagen text{fill:#fff;font-weight:bold;text-anchor:middle;dominant-baseline:central}\n"
    "table{border-collapse:collapse;width:100%}th,td{border:1px solid #999;padding:.3em .5em;text-align:left;"
    "vertical-align:top}\n"
    "th{background:#e9f0fa}td.numero{text-align:center;font-weight:bold}td.posicion{white-space:nowrap}\n"
    ".aviso{color:#8a5200;font-weight:bold}\n"
    "@media print{\n"
    "body{max-width:none;padding:0}\n"
    "section.mapa{break-before:page;break-after:page}\n"
    "section.mapa svg.mapa{width:100%;max-width:none}\n"
    "section.pagina{break-before:page}\n"
    ".imagen{break-inside:avoid;width:min(100%,calc(45vh * var(--proporcion)))}\n"
    "tr{break-inside:avoid}\n"
    "a{color:inherit;text-decoration:none}\n"
    "}\n"
    "</style>\n";

std::string text(const std::string& cp1252) {
    return HtmlText::escaped(cp1252);
}

// A jump to a page that does not exist says so.
std::string described(const Proyecto& project, const Comando& comando) {
    std::string what = CommandDescription::whole(comando);
    if (!comando.pagina.empty() && comando.pagina != "/back" && !project.findPage(comando.pagina))
        what += ", que no existe";
    return what;
}

std::string pageTitle(const Proyecto& project, size_t page) {
    return std::to_string(page + 1) + ". " + project.paginas[page]->nombre;
}

std::string pageLink(const Proyecto& project, size_t page) {
    return "<a href=\"#pagina-" + std::to_string(page + 1) + "\">" + text(pageTitle(project, page)) + "</a>";
}

size_t regionCount(const Proyecto& project) {
    size_t count = 0;
    for (const auto& page : project.paginas)
        count += page->regiones.size();
    return count;
}

std::string titleBlock(const Proyecto& project, const std::string& projectFile, const std::string& date) {
    return "<header>\n<h1>" + text(project.instalacion.empty() ? "Instalaci\xF3n sin nombre" : project.instalacion) +
           "</h1>\n<dl class=\"datos\">\n<dt>" + text("Archivo del proyecto") + "</dt><dd>" +
           text(projectFile) + "</dd>\n<dt>Fecha</dt><dd>" + text(date) + "</dd>\n<dt>" + text("P\xE1ginas") +
           "</dt><dd>" + std::to_string(project.paginas.size()) + "</dd>\n<dt>Regiones</dt><dd>" +
           std::to_string(regionCount(project)) + "</dd>\n</dl>\n</header>\n";
}

std::string mapSection(const Proyecto& project, const JumpGraph& graph) {
    const JumpMap map(project, graph);
    return "<section class=\"mapa\">\n<h2>Mapa de saltos</h2>\n<p>" +
           text("Cada caja es una p\xE1gina y cada flecha un salto de sus regiones (l\xEDnea continua) o s\xF3lo de "
                "su funci\xF3n inicial (l\xEDnea a trazos). Se lee de arriba abajo desde la p\xE1gina inicial.") +
           "</p>\n" + map.svg(project) + "</section>\n";
}

// The picture at its own proportions, the regions drawn over it in picture
// pixels, so that outlines and numbers scale with it.
std::string pictureBlock(const Pagina& page, const HandoverPicture& picture) {
    const uint32_t width = std::max<uint32_t>(picture.width, 1), height = std::max<uint32_t>(picture.height, 1);
    const std::string w = std::to_string(width), h = std::to_string(height);
    std::string out = "<div class=\"imagen\" style=\"--proporcion:" + std::to_string(double(width) / height) + "\">";
    if (picture.present)
        out += "<img src=\"" + text(picture.address) + "\" width=\"" + w + "\" height=\"" + h + "\" alt=\"\">";
    else
        out += "<div class=\"falta\" style=\"aspect-ratio:" + w + " / " + h + "\">Falta la imagen</div>";
    out += "<svg viewBox=\"0 0 " + w + " " + h + "\" preserveAspectRatio=\"none\" aria-hidden=\"true\">";
    const uint32_t badge = std::max<uint32_t>(18, std::max(width, height) / 22);
    for (size_t r = 0; r < page.regiones.size(); ++r) {
        const Rect box = cornersInOrder(page.regiones[r].coords);
        const std::string x = std::to_string(box.left), y = std::to_string(box.top);
        out += "<rect class=\"borde\" vector-effect=\"non-scaling-stroke\" x=\"" + x + "\" y=\"" + y + "\" width=\"" +
               std::to_string(int64_t{box.right} - box.left) + "\" height=\"" +
               std::to_string(int64_t{box.bottom} - box.top) + "\"/>";
        out += "<rect class=\"numero\" x=\"" + x + "\" y=\"" + y + "\" width=\"" + std::to_string(badge) +
               "\" height=\"" + std::to_string(badge) + "\"/><text x=\"" +
               std::to_string(int64_t{box.left} + badge / 2) + "\" y=\"" + std::to_string(int64_t{box.top} + badge / 2) +
               "\" font-size=\"" + std::to_string(badge * 7 / 10) + "\">" + std::to_string(r + 1) + "</text>";
    }
    return out + "</svg></div>\n";
}

std::string regionTable(const Proyecto& project, size_t page) {
    const std::vector<HandoverRow> rows = HandoverDocument::rows(project, page);
    if (rows.empty())
        return "<p>" + text("La p\xE1gina no tiene regiones.") + "</p>\n";
    std::string out = "<table>\n<thead><tr><th>" + text("N\xBA") + "</th><th>" + text("Qu\xE9 hace") +
                      "</th><th>" + text("Posici\xF3n") + "</th></tr></thead>\n<tbody>\n";
    for (const HandoverRow& row : rows)
        out += "<tr><td class=\"numero\">" + std::to_string(row.number) + "</td><td>" + text(row.what) + "</td><td class=\"posicion\">" +
               text(row.where) + "</td></tr>\n";
    return out + "</tbody>\n</table>\n";
}

std::string pageSection(const Proyecto& project, const JumpGraph& graph, size_t index,
                        const HandoverPicture& picture) {
    const Pagina& page = *project.paginas[index];
    std::string out = "<section class=\"pagina\" id=\"pagina-" + std::to_string(index + 1) + "\">\n<h2>" +
                      text(pageTitle(project, index)) + "</h2>\n";
    if (index == graph.startPage())
        out += "<p class=\"aviso\">" + text("P\xE1gina inicial: el mando empieza aqu\xED.") + "</p>\n";
    if (graph.unreachable(index))
        out += "<p class=\"aviso\">" + text("Ning\xFAn salto lleva a esta p\xE1gina desde la p\xE1gina inicial.") +
               "</p>\n";
    if (!graph.firstOfItsName(index))
        out += "<p class=\"aviso\">" +
               text("Otra p\xE1gina anterior tiene el mismo nombre: los saltos llegan s\xF3lo a aqu\xE9lla.") +
               "</p>\n";
    out += pictureBlock(page, picture) + regionTable(project, index);
    const bool hasStart = !page.comandoInicial.codigo.empty() || !page.comandoInicial.pagina.empty();
    out += "<p><strong>" + text("Funci\xF3n inicial:") + "</strong> " +
           text(hasStart ? described(project, page.comandoInicial) : "ninguna") + "</p>\n";
    const std::vector<size_t> from = graph.pagesJumpingTo(index);
    out += "<p><strong>" + text("P\xE1ginas que saltan aqu\xED:") + "</strong> ";
    for (size_t i = 0; i < from.size(); ++i)
        out += (i ? ", " : "") + pageLink(project, from[i]);
    return out + (from.empty() ? "ninguna" : "") + "</p>\n</section>\n";
}

}  // namespace

std::vector<HandoverRow> HandoverDocument::rows(const Proyecto& project, size_t page) {
    std::vector<HandoverRow> rows;
    const Pagina& shown = *project.paginas[page];
    for (size_t r = 0; r < shown.regiones.size(); ++r) {
        const Region& region = shown.regiones[r];
        const Rect box = cornersInOrder(region.coords);
        HandoverRow row;
        row.number = static_cast<int>(r + 1);
        row.what = described(project, region.comando);
        row.where = "desde (" + std::to_string(box.left) + ", " + std::to_string(box.top) + "), " +
                    std::to_string(int64_t{box.right} - box.left) + " \xD7 " +
                    std::to_string(int64_t{box.bottom} - box.top) + " p\xEDxeles";
        rows.push_back(row);
    }
    return rows;
}

std::string HandoverDocument::html(const Proyecto& project, const std::vector<HandoverPicture>& pictures,
                                   const std::string& projectFile, const std::string& date) {
    const JumpGraph graph(project);
    std::string out = "<!DOCTYPE html>\n<html lang=\"es\">\n<head>\n<meta charset=\"utf-8\">\n"
                      "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; img-src 'self'; "
                      "style-src 'unsafe-inline'\">\n<title>" +
                      text("Documentaci\xF3n: " + project.instalacion) + "</title>\n" + kStyle + "</head>\n<body>\n";
    out += titleBlock(project, projectFile, date);
    if (!project.paginas.empty())
        out += mapSection(project, graph);
    for (size_t i = 0; i < project.paginas.size(); ++i)
        out += pageSection(project, graph, i, i < pictures.size() ? pictures[i] : HandoverPicture());
    return out + "</body>\n</html>\n";
}
