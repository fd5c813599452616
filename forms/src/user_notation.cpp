#include <forms/user_notation.h>

#include <QLocale>

namespace forms {

numtext::Notation UserNotation() {
    const QLocale locale = QLocale::system();
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

} // namespace forms
