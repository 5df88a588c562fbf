// The program's texts that more than one source file shows, each written
// once. Windows-1252 bytes. Plain data: portable and Win32 files alike
// include it.
#pragma once

// Message box titles
inline constexpr char kAttention[] = "ATENCI\xD3N";
inline constexpr char kError[] = "ERROR";

// File dialogs
inline constexpr char kOpenFileTitle[] = "Abrir archivo";
inline constexpr char kFileProblemText[] = "Problemas con el archivo";
// Paths that cannot be used, said for what they are.
inline constexpr char kPathTooLongText[] =
    "La ruta del archivo es demasiado larga para Windows (m\xE1s de 32.767 caracteres, o un nombre de "
    "carpeta o de archivo de m\xE1s de 255). Elija una carpeta con una ruta m\xE1s corta.";
inline constexpr char kPathCharactersText[] =
    "La ruta elegida contiene caracteres que este programa no admite (solo admite los de las lenguas de "
    "Europa occidental). Cambie el nombre de la carpeta o del archivo.";

// Transfer to the device and copy to a card
inline constexpr char kTransferringText[] = "Transfiriendo...";
inline constexpr char kDoneText[] = "Operaci\xF3n conclu\xED" "da";
inline constexpr char kErrorPrefix[] = "Error en la operaci\xF3n: ";
inline constexpr char kOkLabel[] = "OK";
// The device's failures; the names of what failed follow these.
inline constexpr char kCannotOpenFileText[] = "no pude abrir el archivo ";
inline constexpr char kReceiveErrorText[] = "recv error";
inline constexpr char kConnectErrorText[] = "connect socket";
// Follows a failed connect on the status line.
inline constexpr char kConnectHint[] = " (\xBF" "espera el dispositivo el proyecto?)";
