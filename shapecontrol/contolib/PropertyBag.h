#pragma once
// The saved properties of one control on a form: named texts, where a property equal to
// its default is simply absent. Reads never fail; a missing or unreadable value gives the
// default.
#include "contolib/contolib_export.h"

#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace contolib {

class CONTOLIB_EXPORT PropertyBag {
public:
    QString read(const QString& name, const QString& defaultValue) const;
    qint16 readInt16(const QString& name, qint16 defaultValue) const;
    qint32 readInt32(const QString& name, qint32 defaultValue) const;
    bool readBool(const QString& name, bool defaultValue) const;

    // Stores the value as it is, an empty text included: how saved data is read back.
    void set(const QString& name, const QString& value);
    // Stores the value, or removes the property when the value equals its default.
    void write(const QString& name, const QString& value, const QString& defaultValue);
    void writeInt32(const QString& name, qint32 value, qint32 defaultValue);
    void writeBool(const QString& name, bool value, bool defaultValue);

    bool contains(const QString& name) const { return find(name) != nullptr; }
    // In the order they were first written, which is the order they are saved in.
    const std::vector<std::pair<QString, QString>>& entries() const { return entries_; }

private:
    std::vector<std::pair<QString, QString>>::const_iterator position(const QString& name) const;
    const QString* find(const QString& name) const;
    std::optional<qint64> readInteger(const QString& name) const;

    std::vector<std::pair<QString, QString>> entries_;
};

} // namespace contolib
