#include <forms/box_numbers.h>

#include <QLineEdit>
#include <QLocale>

namespace forms {

numtext::Notation UserNotation() {
    const QLocale locale = QLocale::system();
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

std::optional<double> ReadLeading(const QLineEdit* box) {
    return numtext::ReadLeadingNumber(box->text().toStdString());
}

numtext::StrictReading ReadStrict(const QLineEdit* box) {
    return numtext::ReadLocaleNumber(box->text().toStdString(), UserNotation());
}

} // namespace forms
