// SPDX-License-Identifier: GPL-3.0-or-later
// Sumbrelt: the cubic-capacity calculator with its record window. Starts with the calculator; the
// program ends when its last window closes.

#include "form3.h"
#include "record_list_accessible.h"

#include <forms/program.h>

int main(int argc, char* argv[]) {
    return forms::RunProgram<Form3>(argc, argv, "Sumbrelt", RecordListInterface);
}
