#pragma once
// The saved form data of one form: each control's name and saved properties, kept as a
// small text file of our own:
//
//   # comment
//   [Contora1]
//   Class=Contora
//   PointStr=8\r\n0\r\n
//
// Values escape \\ \r \n \t, and \s for a blank at either end of a value. Reading is
// tolerant: lines that are not a section, a key=value pair or a comment are ignored, as
// are pairs before the first section or under a broken section line; a section named
// twice gathers both sets of keys.
#include "contolib/PropertyBag.h"
#include "contolib/contolib_export.h"

#include <QString>
#include <QStringView>
#include <vector>

namespace contolib {

struct FormControl {
    QString name;
    PropertyBag properties;
};

class CONTOLIB_EXPORT FormData {
public:
    static FormData fromText(QStringView text);
    QString toText() const;

    // On failure the message names the file and the reason, and the data is unchanged.
    bool readFile(const QString& path, QString* error);
    bool writeFile(const QString& path, QString* error) const;

    FormControl* control(const QString& name);
    const FormControl* control(const QString& name) const;
    // Returns the control of that name, appending an empty one when there is none.
    FormControl& addControl(const QString& name);

    std::vector<FormControl>& controls() { return controls_; }
    const std::vector<FormControl>& controls() const { return controls_; }

private:
    std::vector<FormControl> controls_;
};

} // namespace contolib
