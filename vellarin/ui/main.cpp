// SPDX-License-Identifier: GPL-3.0-or-later
// Vellarin, the drag-strip trainer: the main window first; after Start, the light-tree phase, which
// ends the program when its window is closed.

#include "light_tree_loop.h"
#include "light_tree_window.h"
#include "main_window.h"
#include "trainer_state.h"

#include <desktop/suite_defaults.h>
#include <desktop/window_system.h>

#include <QApplication>

int main(int argc, char* argv[]) {
    desktop::ChooseWindowSystem();
    QApplication app(argc, argv);
    desktop::InstallSuiteDefaults("Vellarin");
    // The phases run their own loops; closing the main window must not end the light tree early.
    QApplication::setQuitOnLastWindowClosed(false);
    TrainerState state;
    {
        MainWindow main(state);
        main.exec();
    }
    if (!state.startRequested) {
        return 0;
    }
    auto* tree = new LightTreeWindow(); // deletes itself when closed
    tree->show();
    LightTreeLoop loop(tree, state.currentEt);
    loop.Run();
    return 0;
}
