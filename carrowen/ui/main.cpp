// Carrowen: the rod-ratio and piston-speed calculator. Shows its one window; closing it ends the program.

#include "form4.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Carrowen"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    Form4 form;
    form.show();
    return app.exec();
}
