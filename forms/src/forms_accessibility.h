// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drop-down list's screen-reader interface, made by the forms' factory (forms/program.h).

class QAccessibleInterface;
class QObject;

namespace forms {

QAccessibleInterface* DropDownListInterface(QObject* object);

} // namespace forms
