#include "ui/CommandDescription.h"

#include "model/Comando.h"
#include "ui/ComandoForm.h"

namespace {

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string medium(const Comando& comando) {
    if (comando.tipoComunicacion == "wifi")
        return "por WiFi";
    if (comando.tipoComunicacion == "bt")
        return comando.btMacAddress.empty() ? "por BlueTooth sin MacAddr"
                                            : "por BlueTooth a " + comando.btMacAddress;
    return "sin tipo de comunicaci\xF3n";
}

std::string shortSending(const Comando& comando) {
    std::string text = comando.codigo;
    if (!comando.sector.empty())
        text += " \xB7 " + comando.sector;
    if (comando.tipoComunicacion == "bt")
        text += " (BT)";
    return text;
}

std::string shortJump(const Comando& comando) {
    if (comando.pagina.empty())
        return "";
    return comando.pagina == kBackTarget ? "\xAB atr\xE1s" : "\xBB " + comando.pagina;
}

}  // namespace

std::string CommandDescription::sending(const Comando& comando) {
    const std::string sector = comando.sector.empty() ? "sin sector" : "al sector " + quoted(comando.sector);
    return "Se enviar\xED" "a el c\xF3" "digo " + quoted(comando.codigo) + " " + sector + " " + medium(comando);
}

std::string CommandDescription::jump(const Comando& comando) {
    if (comando.pagina.empty())
        return "";
    if (comando.pagina == kBackTarget)
        return "Vuelve a la p\xE1gina anterior";
    return "Salta a la p\xE1gina " + quoted(comando.pagina);
}

std::string CommandDescription::whole(const Comando& comando) {
    std::string text = comando.codigo.empty() ? "" : sending(comando);
    const std::string jumpText = jump(comando);
    if (!jumpText.empty())
        text += (text.empty() ? "" : ". ") + jumpText;
    return text.empty() ? "Sin funci\xF3n" : text;
}

std::string CommandDescription::label(const Comando& comando) {
    std::string text = comando.codigo.empty() ? "" : shortSending(comando);
    const std::string jumpText = shortJump(comando);
    if (!jumpText.empty())
        text += (text.empty() ? "" : "\n") + jumpText;
    return text.empty() ? "(sin funci\xF3n)" : text;
}
