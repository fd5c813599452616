// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state the trainer keeps for its whole run: the ET the light tree adds reaction times to, and
// whether the user asked for the light tree.

#include <vellarin/estimator.h>

struct TrainerState {
    float currentEt = vellarin::kDefaultEt;
    bool startRequested = false;
};
