// One screen of the remote control: a picture, its regions and a start command.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Comando.h"
#include "Imagen.h"
#include "Region.h"

class Pagina {
public:
    std::string nombre;
    std::string imagen;           // picture file name, normally bare
    int32_t ancho = 0;            // size of the blank picture that stands in
    int32_t alto = 0;             // when `imagen` cannot be loaded
    // Shared with the undo steps that keep this page as it was: a decoded
    // picture is never copied for them.
    std::shared_ptr<const Imagen> imagenCargada;
    std::string orientaciones = "HV";
    Comando comandoInicial;
    std::vector<Region> regiones;

    Pagina();
    // Copies every field and loads a picture of its own.
    Pagina(const Pagina& other);
    Pagina& operator=(const Pagina&) = delete;
    ~Pagina();

    // Copies every field but decodes nothing: for copies that are only compared.
    static std::unique_ptr<Pagina> copyWithoutPicture(const Pagina& other);
    // Copies every field and shares the decoded picture: for copies that may
    // take the page's place again.
    static std::unique_ptr<Pagina> copySharingPicture(const Pagina& other);

    // Loads `imagen` (found by picturePath from `projectFile`; "" takes the
    // name as it is), falling back to a blank `ancho` x `alto` picture.
    void setImagen(int32_t ancho, int32_t alto, const std::string& imagen, const std::string& projectFile = "");
    // The same, falling back to the size the page has now, so that a picture
    // that cannot be loaded does not change what the next save records.
    void replaceImagen(const std::string& imagen, const std::string& projectFile);
    // The size the project file records: the decoded picture's, or the one
    // given for the blank picture when there is no picture at all.
    int32_t recordedAncho() const;
    int32_t recordedAlto() const;
    void setComandoInicial(const Comando& comando) { comandoInicial = comando; }
    void addRegion(const Region& region) { regiones.push_back(region); }
    void removeRegion(size_t index);

    // Compares name, picture name, orientations, start command and regions;
    // not the sizes or the decoded picture.
    bool operator==(const Pagina& other) const;
    bool operator!=(const Pagina& other) const { return !(*this == other); }

private:
    struct NoPicture {};
    Pagina(const Pagina& other, NoPicture);
};
