#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "model/EditHistory.h"
#include "model/Proyecto.h"

namespace {

std::unique_ptr<Pagina> page(const std::string& nombre) {
    auto p = std::make_unique<Pagina>();
    p->nombre = nombre;
    p->setImagen(40, 30, "/nonexistent/quenda/" + nombre + ".png");
    p->addRegion(Region{Rect{1, 2, 11, 12}, Comando()});
    return p;
}

// One edit of each kind the editor records, each with its record call.
std::vector<std::function<void(Proyecto&, EditHistory&)>> edits() {
    return {
        [](Proyecto& p, EditHistory& h) {
            h.recordProjectChange(p);
            p.instalacion = "Casa";
            p.paginaInicial = "Patio";
        },
        [](Proyecto& p, EditHistory& h) {
            h.recordPageChange(p, 1);
            p.paginas[1]->regiones[0].coords = Rect{5, 5, 50, 50};
            p.paginas[1]->addRegion(Region{Rect{60, 60, 70, 70}, Comando()});
        },
        [](Proyecto& p, EditHistory& h) {
            h.recordPageInsertion(p, 1);
            p.paginas.insert(p.paginas.begin() + 1, page("Cocina"));
        },
        [](Proyecto& p, EditHistory& h) {
            h.recordPageChange(p, 0);
            p.paginas[0]->nombre = "Entrada";
            p.paginas[0]->regiones[0].comando.codigo = "luz";
        },
        // Removing the start page clears it too.
        [](Proyecto& p, EditHistory& h) {
            h.recordPageRemoval(p, 2);
            p.removePage("Patio");
        },
    };
}

}  // namespace

TEST(EditHistory, EditsUndoneAndRedoneGiveBackEachStateAndItsPictures) {
    Proyecto project;
    project.addPage(page("Inicio"));
    project.addPage(page("Patio"));
    EditHistory history;
    std::vector<std::unique_ptr<Proyecto>> states;
    for (auto& edit : edits()) {
        states.push_back(std::make_unique<Proyecto>(project));
        edit(project, history);
    }
    states.push_back(std::make_unique<Proyecto>(project));
    ASSERT_EQ(2u, project.paginas.size());
    EXPECT_EQ("", project.paginaInicial);

    const std::vector<int> shownByUndo = {-1, 1, -1, 0, 2};
    for (size_t i = states.size() - 1; i > 0; --i) {
        EXPECT_EQ(shownByUndo[i - 1], history.undo(project)) << "step " << i;
        EXPECT_EQ(*states[i - 1], project) << "undone to state " << i - 1;
    }
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(-1, history.undo(project));

    for (size_t i = 1; i < states.size(); ++i) {
        history.redo(project);
        EXPECT_EQ(*states[i], project) << "redone to state " << i;
    }
    EXPECT_FALSE(history.canRedo());
}

TEST(EditHistory, KeepsTheLastHundredStepsAndANewStepForgetsTheUndone) {
    Proyecto project;
    EditHistory history;
    for (int i = 0; i <= 100; ++i) {
        history.recordProjectChange(project);
        project.instalacion = "v" + std::to_string(i);
    }
    EXPECT_EQ(100u, history.undoCount());
    while (history.canUndo())
        history.undo(project);
    EXPECT_EQ("v0", project.instalacion);  // the step from "" to "v0" is gone

    history.redo(project);
    history.recordProjectChange(project);
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(2u, history.undoCount());
}
