// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a screen reader reads the record window: its drawing surface is a list, one entry per posted
// record, each read as its texts under their headings ("Bore Size: 86, Stroke Length: 86,
// Cylinders: 4, Cubic Capacity: 1998.49cc"); a cleared window reads as an empty list.

#include <QAccessible>

QAccessibleInterface* RecordListInterface(const QString& className, QObject* object);
