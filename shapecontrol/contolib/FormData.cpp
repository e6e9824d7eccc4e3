#include "contolib/FormData.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>

namespace contolib {

namespace {

QString unescape(QStringView value) {
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != u'\\' || i + 1 == value.size()) {
            out += c;
            continue;
        }
        switch (value[i + 1].unicode()) {
        case u'\\':
            out += u'\\';
            break;
        case u'r':
            out += u'\r';
            break;
        case u'n':
            out += u'\n';
            break;
        case u't':
            out += u'\t';
            break;
        case u's':
            out += u' ';
            break;
        default:
            // An unknown escape is kept as written rather than guessed at.
            out += c;
            out += value[i + 1];
            break;
        }
        ++i;
    }
    return out;
}

QString escape(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        const bool atEnd = i == 0 || i + 1 == value.size();
        if (c == u'\\')
            out += QStringLiteral("\\\\");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c == u'\t')
            out += QStringLiteral("\\t");
        else if (c == u' ' && atEnd)
            out += QStringLiteral("\\s");
        else
            out += c;
    }
    return out;
}

} // namespace

FormData FormData::fromText(QStringView text) {
    FormData form;
    FormControl* current = nullptr;
    for (QStringView line : text.split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#') || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[')) {
            // The keys under a broken section line belong to no control we could name.
            const QString name = line.endsWith(u']')
                                     ? line.sliced(1, line.size() - 2).trimmed().toString()
                                     : QString();
            current = name.isEmpty() ? nullptr : &form.addControl(name);
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!current || equals <= 0)
            continue;
        const QString key = line.first(equals).trimmed().toString();
        if (key.isEmpty())
            continue;
        const QString value = unescape(line.sliced(equals + 1).trimmed());
        // A key given twice keeps its last value, as a hand edit below an older line means.
        current->properties.set(key, value);
    }
    return form;
}

QString FormData::toText() const {
    QString text = QStringLiteral("# melodeck form data\n");
    for (const FormControl& control : controls_) {
        text += u'\n';
        text += u'[' + control.name + QStringLiteral("]\n");
        for (const auto& [key, value] : control.properties.entries())
            text += key + u'=' + escape(value) + u'\n';
    }
    return text;
}

bool FormData::readFile(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Could not read the form data %1: %2.")
                         .arg(path, file.errorString());
        return false;
    }
    *this = fromText(QString::fromUtf8(file.readAll()));
    return true;
}

bool FormData::writeFile(const QString& path, QString* error) const {
    QSaveFile file(path);
    const QByteArray bytes = toText().toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("Could not save the form data %1: %2.")
                         .arg(path, file.errorString());
        return false;
    }
    return true;
}

template <typename Controls> static auto* findControl(Controls& controls, const QString& name) {
    auto it = std::find_if(controls.begin(), controls.end(),
                           [&](const FormControl& c) { return c.name == name; });
    return it == controls.end() ? nullptr : &*it;
}

FormControl* FormData::control(const QString& name) {
    return findControl(controls_, name);
}

const FormControl* FormData::control(const QString& name) const {
    return findControl(controls_, name);
}

FormControl& FormData::addControl(const QString& name) {
    if (FormControl* existing = control(name))
        return *existing;
    controls_.push_back({name, {}});
    return controls_.back();
}

} // namespace contolib
