// Per-user settings: a few named values the editor keeps between runs. The
// program keeps them in the registry (model/win32/RegistrySettings); tests and any
// build without one keep them in memory. Every value name lives here, so a
// reader sees at once what the editor stores.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace setting {
// The last device addresses that completed a transfer, most recent first,
// separated by ';' (text).
inline constexpr char kDireccionesDispositivo[] = "DireccionesDispositivo";
// The projects opened or saved last, most recent first, separated by '|'
// (text).
inline constexpr char kRecientes[] = "Recientes";
// The main window's last top-left corner on the virtual screen (text of a
// whole number each).
inline constexpr char kVentanaX[] = "VentanaX";
inline constexpr char kVentanaY[] = "VentanaY";
// Seconds between two recovery copies of a project with unsaved changes
// (number; absent or 0: a minute).
inline constexpr char kIntervaloRecuperacion[] = "IntervaloRecuperacion";
// The check's smallest button a finger can hit, in picture pixels (number;
// absent, 0 or beyond the largest allowed: the default).
inline constexpr char kTamanoMinimoBoton[] = "TamanoMinimoBoton";
// Whether mouse moves and resizes snap to the other regions and the page
// (number; absent or not 0: they do).
inline constexpr char kAjustarAGuias[] = "AjustarAGuias";
// How eagerly "Detectar botones" finds buttons: 0 low, 1 medium, 2 high
// (number; absent or beyond 2: medium).
inline constexpr char kSensibilidadBotones[] = "SensibilidadBotones";
// Whether the canvas writes what each region does inside it (number;
// absent or 0: it does not).
inline constexpr char kEtiquetas[] = "Etiquetas";
// Whether the page pane shows (number; absent or 1: it does) and its width
// in pixels (number; absent: the pane's own default).
inline constexpr char kPanelPaginas[] = "PanelPaginas";
inline constexpr char kAnchoPanelPaginas[] = "AnchoPanelPaginas";
// The main window's size once the user chose one (pixels; 0 or absent: the page's).
inline constexpr char kVentanaAncho[] = "VentanaAncho";
inline constexpr char kVentanaAlto[] = "VentanaAlto";
}  // namespace setting

class Settings {
public:
    virtual ~Settings() = default;
    // False when the value is absent or not text: "not set".
    virtual bool readText(const char* name, std::string& value) = 0;
    // False when it could not be stored (the editor goes on without it).
    virtual bool writeText(const char* name, const std::string& value) = 0;
    // Numbers: by default kept as decimal text; a store with a number type
    // of its own (the registry's DWORD) overrides both.
    virtual bool readNumber(const char* name, uint32_t& value);
    virtual bool writeNumber(const char* name, uint32_t value);
    // On or off, kept as a number (0: off); `absent` when it is not set.
    bool readSwitch(const char* name, bool absent);
    bool writeSwitch(const char* name, bool on) { return writeNumber(name, on ? 1 : 0); }

    // The store the program uses; one in memory until another is installed.
    static Settings& current();
    // Installs `settings` (not owned); null goes back to memory.
    static void install(Settings* settings);
};

class MemorySettings : public Settings {
public:
    std::map<std::string, std::string> values;

    bool readText(const char* name, std::string& value) override;
    bool writeText(const char* name, const std::string& value) override;
};
