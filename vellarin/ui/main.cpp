// Vellarin, the drag-strip trainer: the main window first; after Start, the light-tree phase.

#include "main_window.h"
#include "trainer_state.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellarin"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    TrainerState state;
    {
        MainWindow main(state);
        main.exec();
    }
    if (!state.startRequested) {
        return 0;
    }
    // The light-tree phase starts here, with state.currentEt as the ET of every run.
    return 0;
}
