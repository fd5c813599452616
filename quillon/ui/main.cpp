// SPDX-License-Identifier: GPL-3.0-or-later
// Quillon: primary exhaust and inlet manifold lengths. Shows its one window; closing it ends the program.

#include "form5.h"

#include <forms/program.h>

int main(int argc, char* argv[]) {
    return forms::RunProgram<Form5>(argc, argv, "Quillon");
}
