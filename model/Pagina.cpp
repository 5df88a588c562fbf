#include "Pagina.h"

#include "FileAccess.h"
#include "PictureCache.h"

Pagina::Pagina() = default;
Pagina::Pagina(const Pagina& other) = default;
Pagina::~Pagina() = default;

void Pagina::setImagen(int32_t newAncho, int32_t newAlto, const std::string& newImagen,
                       const std::string& projectFile) {
    ancho = newAncho;
    alto = newAlto;
    imagen = newImagen;
    pictureFile = picturePath(projectFile, imagen);
    headerRead_ = false;
    readHeader();
    PictureCache::shared().forget(pictureFile);
}

void Pagina::replaceImagen(const std::string& newImagen, const std::string& projectFile) {
    setImagen(recordedAncho(), recordedAlto(), newImagen, projectFile);
}

void Pagina::readHeader() {
    uint32_t width = 0;
    uint32_t height = 0;
    if (imagen.empty() || !Imagen::readSize(pictureFile, width, height))
        return;
    headerRead_ = true;
    headerWidth_ = width;
    headerHeight_ = height;
}

std::shared_ptr<const Imagen> Pagina::picture() {
    readHeader();
    if (headerRead_) {
        std::shared_ptr<const Imagen> decoded =
            PictureCache::shared().picture(pictureFile, headerWidth_, headerHeight_);
        if (decoded)
            return decoded;
    }
    return Imagen::blank(static_cast<int32_t>(pictureWidth()), static_cast<int32_t>(pictureHeight()));
}

uint32_t Pagina::pictureWidth() const {
    if (headerRead_)
        return headerWidth_;
    return Imagen::sizeAcceptable(ancho, alto) ? static_cast<uint32_t>(ancho) : 0;
}

uint32_t Pagina::pictureHeight() const {
    if (headerRead_)
        return headerHeight_;
    return Imagen::sizeAcceptable(ancho, alto) ? static_cast<uint32_t>(alto) : 0;
}

int32_t Pagina::recordedAncho() const {
    return headerRead_ ? static_cast<int32_t>(headerWidth_) : ancho;
}

int32_t Pagina::recordedAlto() const {
    return headerRead_ ? static_cast<int32_t>(headerHeight_) : alto;
}

void Pagina::removeRegion(size_t index) {
    if (index < regiones.size())
        regiones.erase(regiones.begin() + static_cast<std::ptrdiff_t>(index));
}

bool Pagina::operator==(const Pagina& other) const {
    return nombre == other.nombre && imagen == other.imagen && orientaciones == other.orientaciones &&
           comandoInicial == other.comandoInicial && regiones == other.regiones;
}
