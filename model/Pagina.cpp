#include "Pagina.h"

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

void Pagina::setImagen(int32_t newAncho, int32_t newAlto, const std::string& newImagen) {
    ancho = newAncho;
    alto = newAlto;
    imagen = newImagen;
    imagenCargada.reset();
    imagenCargada = Imagen::load(imagen, ancho, alto);
}

void Pagina::removeRegion(size_t index) {
    if (index < regiones.size())
        regiones.erase(regiones.begin() + static_cast<std::ptrdiff_t>(index));
}

bool Pagina::operator==(const Pagina& other) const {
    return nombre == other.nombre && imagen == other.imagen && orientaciones == other.orientaciones &&
           comandoInicial == other.comandoInicial && regiones == other.regiones;
}
