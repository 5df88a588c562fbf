#include "ui/RemoteTrial.h"

#include "model/Proyecto.h"
#include "ui/ComandoForm.h"
#include "ui/CommandDescription.h"

namespace {

const char kLeaveHint[] = " (Esc o F5: salir)";

void say(TrialStep& step, const std::string& text) {
    if (!step.message.empty())
        step.message += ". ";
    step.message += text;
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

}  // namespace

RemoteTrial::RemoteTrial(const Proyecto& project) : project_(project) {}

const Pagina* RemoteTrial::shownPage() const {
    if (shown_ < 0 || static_cast<size_t>(shown_) >= project_.paginas.size())
        return nullptr;
    return project_.paginas[static_cast<size_t>(shown_)].get();
}

// Like every lookup by name, the first page of that name.
int RemoteTrial::indexOf(const std::string& name) const {
    for (size_t i = 0; i < project_.paginas.size(); ++i)
        if (project_.paginas[i]->nombre == name)
            return static_cast<int>(i);
    return -1;
}

std::string RemoteTrial::statusText(const TrialStep& step) {
    return (step.message.empty() ? std::string("Probando el mando") : step.message) + kLeaveHint;
}

TrialStep RemoteTrial::start() {
    TrialStep step;
    history_.clear();
    if (project_.paginas.empty()) {
        shown_ = -1;
        say(step, "El proyecto no tiene p\xE1ginas");
        return step;
    }
    int first = 0;
    const std::string& wanted = project_.paginaInicial;
    if (!wanted.empty()) {
        first = indexOf(wanted);
        if (first < 0) {
            say(step, "La p\xE1gina inicial " + quoted(wanted) + " no existe; se empieza por la primera");
            first = 0;
        }
    }
    enter(first, step);
    return step;
}

TrialStep RemoteTrial::tap(int index) {
    TrialStep step;
    const Pagina* page = shownPage();
    if (!page)
        return step;
    if (index < 0 || static_cast<size_t>(index) >= page->regiones.size()) {
        step.flashAll = true;
        if (page->regiones.empty())
            say(step, "La p\xE1gina no tiene regiones");
        return step;
    }
    const Comando& comando = page->regiones[static_cast<size_t>(index)].comando;
    if (comando.codigo.empty() && comando.pagina.empty()) {
        say(step, "La regi\xF3n no tiene funci\xF3n");
        return step;
    }
    run(comando, step);
    if (!comando.codigo.empty() && !step.pageChanged)
        step.flashRegion = index;
    return step;
}

TrialStep RemoteTrial::back() {
    TrialStep step;
    if (shownPage())
        goBack(step);
    return step;
}

TrialStep RemoteTrial::showPageAt(int index) {
    TrialStep step;
    if (index < 0 || static_cast<size_t>(index) >= project_.paginas.size())
        return step;
    if (shown_ >= 0)
        history_.push_back(shown_);
    enter(index, step);
    return step;
}

// The code goes out before the jump is taken.
void RemoteTrial::run(const Comando& comando, TrialStep& step) {
    if (!comando.codigo.empty())
        say(step, CommandDescription::sending(comando));
    if (comando.pagina == kBackTarget)
        goBack(step);
    else if (!comando.pagina.empty())
        jumpTo(comando.pagina, step);
}

void RemoteTrial::jumpTo(const std::string& name, TrialStep& step) {
    const int target = indexOf(name);
    if (target < 0) {
        say(step, "La p\xE1gina " + quoted(name) + " no existe");
        return;
    }
    history_.push_back(shown_);
    enter(target, step);
}

void RemoteTrial::goBack(TrialStep& step) {
    if (history_.empty()) {
        say(step, "No hay p\xE1gina anterior");
        return;
    }
    const int previous = history_.back();
    history_.pop_back();
    enter(previous, step);
}

// A jump in a start command stands for the page that holds it: that page is
// not kept in the history. Pages whose start commands jump in a circle would
// never settle; a chain is cut once it has taken as many jumps as there are
// pages, more than any chain without a circle needs.
void RemoteTrial::enter(int index, TrialStep& step) {
    step.pageChanged = true;
    shown_ = index;
    const size_t allowedJumps = project_.paginas.size();
    for (size_t jumps = 0;; ++jumps) {
        const Pagina& page = *project_.paginas[static_cast<size_t>(shown_)];
        const Comando& start = page.comandoInicial;
        if (!start.codigo.empty())
            say(step, "Al entrar en " + quoted(page.nombre) + ": " + CommandDescription::sending(start));
        if (start.pagina.empty())
            return;
        if (jumps == allowedJumps) {
            say(step, "Las funciones iniciales saltan en c\xEDrculo; la prueba se detuvo en " + quoted(page.nombre));
            return;
        }
        int next = -1;
        if (start.pagina == kBackTarget) {
            if (history_.empty()) {
                say(step, "No hay p\xE1gina anterior");
                return;
            }
            next = history_.back();
            history_.pop_back();
        } else {
            next = indexOf(start.pagina);
            if (next < 0) {
                say(step, "La p\xE1gina " + quoted(start.pagina) + " no existe");
                return;
            }
        }
        shown_ = next;
    }
}
