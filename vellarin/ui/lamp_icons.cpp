// SPDX-License-Identifier: GPL-3.0-or-later
#include "lamp_icons.h"

#include <QHash>

const QPixmap& LampImage(const QString& name) {
    static QHash<QString, QPixmap> loaded;
    auto found = loaded.find(name);
    if (found == loaded.end()) {
        Q_INIT_RESOURCE(lamps); // the images live in a static library, out of the linker's sight
        found = loaded.insert(name, QPixmap(QStringLiteral(":/vellarin/lamps/") + name, "ICO"));
    }
    return *found;
}

QIcon TrainerIcon() {
    return QIcon(LampImage(QStringLiteral("GRNOFF")));
}
