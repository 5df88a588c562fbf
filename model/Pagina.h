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
    int32_t alto = 0;             // when `imagen` cannot be read
    // Where the picture was last found: `imagen` beside the project file of
    // that time, or `imagen` itself when absolute. A save copies it beside
    // the project when it is missing there.
    std::string pictureFile;
    std::string orientaciones = "HV";
    Comando comandoInicial;
    std::vector<Region> regiones;

    // A page holds no decoded picture: copies (undo steps, "Duplicar",
    // the snapshot) cost their fields only.
    Pagina();
    Pagina(const Pagina& other);
    Pagina& operator=(const Pagina&) = delete;
    ~Pagina();

    // Names `imagen` (found by picturePath from `projectFile`; "" takes the
    // name as it is) and reads the size from its header, decoding nothing;
    // `ancho` x `alto` is the size when the header cannot be read. Any
    // decoded copy of that file is forgotten: the page dialog may just have
    // replaced it.
    void setImagen(int32_t ancho, int32_t alto, const std::string& imagen, const std::string& projectFile = "");
    // The same, falling back to the size the page has now, so that a picture
    // that cannot be read does not change what the next save records.
    void replaceImagen(const std::string& imagen, const std::string& projectFile);

    // The decoded picture, shared by every page naming the same file. Reads
    // the header again first: a file replaced by one of another size is
    // decoded again at its new size. A picture that cannot be decoded gives
    // a blank one of the page's size.
    std::shared_ptr<const Imagen> picture();
    // The size the page shows: its picture header's, or the blank's (0 x 0
    // when the recorded size is no picture size).
    uint32_t pictureWidth() const;
    uint32_t pictureHeight() const;
    // The size the project file records: the picture header's, or the one
    // given for the blank picture.
    int32_t recordedAncho() const;
    int32_t recordedAlto() const;

    void setComandoInicial(const Comando& comando) { comandoInicial = comando; }
    void addRegion(const Region& region) { regiones.push_back(region); }
    void removeRegion(size_t index);

    // Compares name, picture name, orientations, start command and regions;
    // not the sizes or the picture's location.
    bool operator==(const Pagina& other) const;
    bool operator!=(const Pagina& other) const { return !(*this == other); }

private:
    // Reads the header of `pictureFile`; a header that cannot be read
    // leaves the size last read.
    void readHeader();

    bool headerRead_ = false;  // headerWidth_ x headerHeight_ is the picture's size
    uint32_t headerWidth_ = 0;
    uint32_t headerHeight_ = 0;
};
