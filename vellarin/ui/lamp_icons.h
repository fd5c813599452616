// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The six lamp images, addressed by name ("REDON", "GRNOFF", ...), each loaded once from the
// program's resources and shared; GRNOFF is also the icon of the trainer's windows.

#include <QIcon>
#include <QPixmap>
#include <QString>

const QPixmap& LampImage(const QString& name);
QIcon TrainerIcon();
