#include "Pagina.h"

#include "FileAccess.h"

Pagina::Pagina() = default;

Pagina::Pagina(const Pagina& other, NoPicture)
    : nombre(other.nombre),
      imagen(other.imagen),
      ancho(other.ancho),
      alto(other.alto),
      orientaciones(other.orientaciones),
      comandoInicial(other.comandoInicial),
      regiones(other.regiones) {}

Pagina::Pagina(const Pagina& other) : Pagina(other, NoPicture()) {
    imagenCargada = Imagen::load(imagen, ancho, alto);
}

Pagina::~Pagina() {
    imagenCargada.reset();
}

std::unique_ptr<Pagina> Pagina::copyWithoutPicture(const Pagina& other) {
    return std::unique_ptr<Pagina>(new Pagina(other, NoPicture()));
}

std::unique_ptr<Pagina> Pagina::copySharingPicture(const Pagina& other) {
    std::unique_ptr<Pagina> copy(new Pagina(other, NoPicture()));
    copy->imagenCargada = other.imagenCargada;
    return copy;
}

void Pagina::setImagen(int32_t newAncho, int32_t newAlto, const std::string& newImagen,
                       const std::string& projectFile) {
    ancho = newAncho;
    alto = newAlto;
    imagen = newImagen;
    imagenCargada.reset();
    imagenCargada = Imagen::load(picturePath(projectFile, imagen), ancho, alto);
}

void Pagina::replaceImagen(const std::string& newImagen, const std::string& projectFile) {
    setImagen(recordedAncho(), recordedAlto(), newImagen, projectFile);
}

int32_t Pagina::recordedAncho() const {
    const Imagen* picture = imagenCargada.get();
    return picture && picture->hasPicture() ? static_cast<int32_t>(picture->width()) : ancho;
}

int32_t Pagina::recordedAlto() const {
    const Imagen* picture = imagenCargada.get();
    return picture && picture->hasPicture() ? static_cast<int32_t>(picture->height()) : alto;
}

void Pagina::removeRegion(size_t index) {
    if (index < regiones.size())
        regiones.erase(regiones.begin() + static_cast<std::ptrdiff_t>(index));
}

bool Pagina::operator==(const Pagina& other) const {
    return nombre == other.nombre && imagen == other.imagen && orientaciones == other.orientaciones &&
           comandoInicial == other.comandoInicial && regiones == other.regiones;
}
