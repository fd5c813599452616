#pragma once
// The screen-reader interfaces of the forms' own controls, made by the factory that the form
// builder installs: labels read what they show (an empty one reads nothing), outlines read
// nothing, drop-down lists as drop_down_list.h says.

class QAccessibleInterface;
class QObject;

namespace forms {

void InstallFormsAccessibility();
QAccessibleInterface* DropDownListInterface(QObject* object);

} // namespace forms
