#include "contolib/NumberText.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace contolib {

qint32 readNumber(QStringView field) {
    std::string compact;
    for (QChar c : field) {
        if (c != u' ' && c != u'\t' && c != u'\n')
            compact += c.unicode() < 128 ? static_cast<char>(c.unicode()) : '?';
    }

    size_t pos = 0;
    bool negative = false;
    if (pos < compact.size() && (compact[pos] == '+' || compact[pos] == '-'))
        negative = compact[pos++] == '-';
    std::string number;
    while (pos < compact.size() && std::isdigit(static_cast<unsigned char>(compact[pos])))
        number += compact[pos++];
    std::string fraction;
    if (pos < compact.size() && compact[pos] == '.') {
        ++pos;
        while (pos < compact.size() && std::isdigit(static_cast<unsigned char>(compact[pos])))
            fraction += compact[pos++];
    }
    if (number.empty() && fraction.empty())
        return 0;
    const std::string text =
        (number.empty() ? "0" : number) + (fraction.empty() ? std::string() : "." + fraction);

    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return 0;
    const double rounded = std::nearbyint(negative ? -value : value);
    if (rounded < std::numeric_limits<qint32>::min() ||
        rounded > std::numeric_limits<qint32>::max())
        return 0;
    return static_cast<qint32>(rounded);
}

QString numberText(float value) {
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (error != std::errc())
        return QStringLiteral("0");
    return QString::fromLatin1(buffer, end - buffer);
}

} // namespace contolib
