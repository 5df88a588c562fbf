#include "ComandoForm.h"

#include "base/resource.h"
#include "base/Trim.h"

const char kNoJumpEntry[] = "--------";
const char kBackTarget[] = "/back";
const char kUnknownJumpMessage[] = "Se debe elegir una p\xE1gina de la lista";

std::string ComandoForm::lastSector;
std::string ComandoForm::lastTipoComunicacion;
std::string ComandoForm::lastBtMacAddress;

namespace {

const int kFirstPageEntry = 2;  // after "--------" and "/back"

// A value given remembers itself; a missing one is filled from memory.
void rememberOrRecall(std::string& value, std::string& remembered) {
    if (value.empty())
        value = remembered;
    else
        remembered = value;
}

}  // namespace

ComandoForm::ComandoForm(const Comando& comando, const std::vector<std::string>* pageNames)
    : sector(comando.sector),
      codigo(comando.codigo),
      pagina(comando.pagina),
      tipoComunicacion(comando.tipoComunicacion),
      btMacAddress(comando.btMacAddress),
      pageNames(pageNames) {
    rememberOrRecall(sector, lastSector);
    rememberOrRecall(tipoComunicacion, lastTipoComunicacion);
    rememberOrRecall(btMacAddress, lastBtMacAddress);
}

Comando ComandoForm::comando() const {
    return Comando{sector, codigo, pagina, tipoComunicacion, btMacAddress};
}

bool ComandoForm::bluetoothTicked() const {
    return tipoComunicacion == "bt";
}

int ComandoForm::initialFocus() const {
    return sector.empty() ? IDC_COMANDO_SECTOR : IDC_COMANDO_CODIGO;
}

std::vector<std::string> ComandoForm::jumpEntries() const {
    std::vector<std::string> entries;
    if (!pageNames)
        return entries;
    entries.push_back(kNoJumpEntry);
    entries.push_back(kBackTarget);
    entries.insert(entries.end(), pageNames->begin(), pageNames->end());
    return entries;
}

int ComandoForm::jumpSelection() const {
    if (!pageNames)
        return -1;
    // The last page of that name wins, as the list shows every page.
    for (size_t i = pageNames->size(); i-- > 0;) {
        if ((*pageNames)[i] == pagina)
            return kFirstPageEntry + static_cast<int>(i);
    }
    return pagina == kBackTarget ? 1 : 0;
}

// The text in the jump list's edit field is what the user sees, so it
// decides; the selected entry only tells apart entries of the same text
// (a page may be called "--------").
// The text as it stands is tried before the trimmed one: a page whose name
// begins or ends with a blank (a file may hold one) can stay the target.
bool ComandoForm::takeJump(const std::string& jumpText, int jumpEntry) {
    if (!pageNames)
        return true;
    std::string text = trim(jumpText);
    if (text.empty()) {
        takeJumpEntry(0);
        return true;
    }
    return takeJumpText(jumpText, jumpEntry) || takeJumpText(text, jumpEntry);
}

bool ComandoForm::takeJumpText(const std::string& text, int jumpEntry) {
    std::vector<std::string> entries = jumpEntries();
    if (jumpEntry >= 0 && static_cast<size_t>(jumpEntry) < entries.size() && entries[jumpEntry] == text) {
        takeJumpEntry(static_cast<size_t>(jumpEntry));
        return true;
    }
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i] == text) {
            takeJumpEntry(i);
            return true;
        }
    }
    return false;
}

void ComandoForm::takeJumpEntry(size_t entry) {
    if (entry == 0)
        pagina.clear();
    else if (entry == 1)
        pagina = kBackTarget;
    else
        pagina = (*pageNames)[entry - static_cast<size_t>(kFirstPageEntry)];
}

FormCheck ComandoForm::accept(const std::string& sectorText, const std::string& codigoText,
                              const std::string& macText, bool bluetooth, const std::string& jumpText,
                              int jumpEntry) {
    sector = trim(sectorText);
    codigo = trim(codigoText);
    btMacAddress = trim(macText);
    tipoComunicacion = bluetooth ? "bt" : "wifi";
    if (!takeJump(jumpText, jumpEntry))
        return FormCheck::refuse(kUnknownJumpMessage, IDC_COMANDO_SALTO);

    FormCheck verdict = check();
    if (verdict.accepted) {
        lastSector = sector;
        lastTipoComunicacion = tipoComunicacion;
        lastBtMacAddress = btMacAddress;
    }
    return verdict;
}

FormCheck ComandoForm::check() const {
    if (sector.empty() && !codigo.empty())
        return FormCheck::refuse("Se debe definir el nombre del sector", IDC_COMANDO_SECTOR);
    if (codigo.empty() && pagina.empty())
        return FormCheck::refuse("Se debe definir el c\xF3" "digo", IDC_COMANDO_CODIGO);
    if (tipoComunicacion == "bt" && btMacAddress.empty())
        return FormCheck::refuse("Se debe definir la MacAddress", IDC_COMANDO_MAC);
    return FormCheck::ok();
}
