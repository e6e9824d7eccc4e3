#pragma once
// The numbers of the outline text form, read and written the way saved outlines have
// always been.
#include <QString>
#include <QStringView>

namespace contolib {

// Blanks, tabs and line feeds anywhere in the field are ignored; then an optional sign,
// digits and an optional '.' fraction are read up to the first other character. The value
// is rounded to the nearest integer, halves to even; no number, or a value outside the
// 32-bit range, gives 0.
qint32 readNumber(QStringView field);

// The decimal text of a value, without blanks: whole numbers without a fraction.
QString numberText(float value);

} // namespace contolib
