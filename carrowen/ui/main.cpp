// SPDX-License-Identifier: GPL-3.0-or-later
// Carrowen: the rod-ratio and piston-speed calculator. Shows its one window; closing it ends the program.

#include "form4.h"

#include <forms/program.h>

int main(int argc, char* argv[]) {
    return forms::RunProgram<Form4>(argc, argv, "Carrowen");
}
