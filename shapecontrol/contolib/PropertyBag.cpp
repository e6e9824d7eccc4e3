#include "contolib/PropertyBag.h"

#include <algorithm>
#include <limits>

namespace contolib {

std::vector<std::pair<QString, QString>>::const_iterator
PropertyBag::position(const QString& name) const {
    return std::find_if(entries_.begin(), entries_.end(),
                        [&](const auto& entry) { return entry.first == name; });
}

const QString* PropertyBag::find(const QString& name) const {
    const auto it = position(name);
    return it == entries_.end() ? nullptr : &it->second;
}

QString PropertyBag::read(const QString& name, const QString& defaultValue) const {
    const QString* value = find(name);
    return value ? *value : defaultValue;
}

std::optional<qint64> PropertyBag::readInteger(const QString& name) const {
    const QString* value = find(name);
    if (!value)
        return std::nullopt;
    bool ok = false;
    const qint64 number = value->trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(number) : std::nullopt;
}

qint16 PropertyBag::readInt16(const QString& name, qint16 defaultValue) const {
    const auto number = readInteger(name);
    if (!number || *number < std::numeric_limits<qint16>::min() ||
        *number > std::numeric_limits<qint16>::max())
        return defaultValue;
    return static_cast<qint16>(*number);
}

qint32 PropertyBag::readInt32(const QString& name, qint32 defaultValue) const {
    const auto number = readInteger(name);
    if (!number || *number < std::numeric_limits<qint32>::min() ||
        *number > std::numeric_limits<qint32>::max())
        return defaultValue;
    return static_cast<qint32>(*number);
}

// Booleans are saved as -1 (True) and 0 (False); any other number also counts as True.
bool PropertyBag::readBool(const QString& name, bool defaultValue) const {
    const auto number = readInteger(name);
    return number ? *number != 0 : defaultValue;
}

void PropertyBag::set(const QString& name, const QString& value) {
    if (const auto it = position(name); it != entries_.end())
        entries_[static_cast<size_t>(it - entries_.begin())].second = value;
    else
        entries_.emplace_back(name, value);
}

void PropertyBag::write(const QString& name, const QString& value, const QString& defaultValue) {
    if (value != defaultValue) {
        set(name, value);
        return;
    }
    if (const auto it = position(name); it != entries_.end())
        entries_.erase(it);
}

void PropertyBag::writeInt32(const QString& name, qint32 value, qint32 defaultValue) {
    write(name, QString::number(value), QString::number(defaultValue));
}

void PropertyBag::writeBool(const QString& name, bool value, bool defaultValue) {
    write(name, value ? QStringLiteral("-1") : QStringLiteral("0"),
          defaultValue ? QStringLiteral("-1") : QStringLiteral("0"));
}

} // namespace contolib
