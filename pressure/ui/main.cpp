// SPDX-License-Identifier: GPL-3.0-or-later
// pressure: the pressure unit converter. Shows its one window; closing it ends the program.

#include "form1.h"

#include <forms/program.h>

int main(int argc, char* argv[]) {
    return forms::RunProgram<Form1>(argc, argv, "pressure");
}
