#include "ui/CommandReplace.h"

#include <algorithm>
#include <map>
#include <utility>

#include "base/Trim.h"
#include "model/Proyecto.h"
#include "ui/ComandoForm.h"

namespace {

// Every command in scope: the regions' and the pages' start commands.
template <typename Project, typename Visit>
void forEachCommand(Project& project, ReplaceScope scope, size_t shownPage, Visit visit) {
    for (size_t i = 0; i < project.paginas.size(); ++i) {
        if (scope == ReplaceScope::ShownPage && i != shownPage)
            continue;
        auto& page = *project.paginas[i];
        visit(page.comandoInicial);
        for (auto& region : page.regiones)
            visit(region.comando);
    }
}

template <typename Command>
auto& fieldOf(Command& comando, ReplaceField field) {
    switch (field) {
    case ReplaceField::Sector: return comando.sector;
    case ReplaceField::Code: return comando.codigo;
    case ReplaceField::Mac: return comando.btMacAddress;
    case ReplaceField::Jump: break;
    }
    return comando.pagina;
}

// Whether the command dialog would refuse `comando` with `field` left empty.
bool needsValue(const Comando& comando, ReplaceField field) {
    switch (field) {
    case ReplaceField::Sector: return !comando.codigo.empty();
    case ReplaceField::Code: return comando.pagina.empty();
    case ReplaceField::Mac: return comando.tipoComunicacion == "bt";
    case ReplaceField::Jump: break;
    }
    return true;
}

const char* emptyValueMessage(ReplaceField field) {
    switch (field) {
    case ReplaceField::Sector: return "Se debe definir el nombre del sector";
    case ReplaceField::Code: return "Se debe definir el c\xF3" "digo";
    case ReplaceField::Mac: return "Se debe definir la MacAddress";
    case ReplaceField::Jump: break;
    }
    return kUnknownJumpMessage;
}

bool isPageName(const Proyecto& project, const std::string& name) {
    const std::vector<std::string> names = project.pageNames();
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

std::string UsedValue::listed() const {
    const std::string shown = sector.empty() ? value : value + " \xB7 " + sector;
    return shown + " (" + std::to_string(uses) + ")";
}

bool CommandReplace::uses(const Comando& comando, ReplaceField field, const UsedValue& value) {
    if (field == ReplaceField::Code && comando.sector != value.sector)
        return false;
    return !value.value.empty() && fieldOf(comando, field) == value.value;
}

std::vector<UsedValue> CommandReplace::usedValues(const Proyecto& project, ReplaceField field, ReplaceScope scope,
                                                  size_t shownPage) {
    std::map<std::pair<std::string, std::string>, size_t> counts;
    forEachCommand(project, scope, shownPage, [&](const Comando& comando) {
        const std::string& value = fieldOf(comando, field);
        if (!value.empty())
            ++counts[{field == ReplaceField::Code ? comando.sector : "", value}];
    });
    std::vector<UsedValue> values;
    for (const auto& [key, uses] : counts)
        values.push_back(UsedValue{key.first, key.second, uses});
    return values;
}

// An empty value clears the field, which the command dialog allows where the
// rest of the command stands without it (a WiFi command needs no MAC, a jump
// no code); a jump always needs a page to go to.
FormCheck CommandReplace::check(const Proyecto& project, ReplaceRequest& request, int newValueControl) {
    request.replacement = trim(request.replacement);
    const std::string& value = request.replacement;
    if (request.field == ReplaceField::Jump) {
        if (value != kBackTarget && !isPageName(project, value))
            return FormCheck::refuse(kUnknownJumpMessage, newValueControl);
        return FormCheck::ok();
    }
    bool refused = false;
    if (value.empty())
        forEachCommand(project, request.scope, request.shownPage, [&](const Comando& comando) {
            refused = refused || (uses(comando, request.field, request.current) && needsValue(comando, request.field));
        });
    return refused ? FormCheck::refuse(emptyValueMessage(request.field), newValueControl) : FormCheck::ok();
}

size_t CommandReplace::replace(Proyecto& project, const ReplaceRequest& request) {
    size_t changed = 0;
    forEachCommand(project, request.scope, request.shownPage, [&](Comando& comando) {
        if (!uses(comando, request.field, request.current) || fieldOf(comando, request.field) == request.replacement)
            return;
        fieldOf(comando, request.field) = request.replacement;
        ++changed;
    });
    return changed;
}

std::string CommandReplace::doneText(size_t changed) {
    if (changed == 1)
        return "1 comando cambiado";
    return std::to_string(changed) + " comandos cambiados";
}
