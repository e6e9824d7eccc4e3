#include "FirstPassWriter.h"

#include <cstdio>

namespace textpull {

namespace {
constexpr std::string_view kLineEnd = "\r\n";
}

void FirstPassWriter::PutDivision(uint32_t DivVal) {
    char line[16];
    std::snprintf(line, sizeof line, "%u", DivVal);
    records_.PutEncoded(line);
    records_.PutEncoded(kLineEnd);
}

bool FirstPassWriter::PutEventTime(uint32_t lTime) {
    if (FirstRecord)
        FirstRecord = false;
    else
        records_.PutEncoded(kLineEnd);
    if (lTime > 999999) {
        errors_.ReportError("lTime is out of range %lu.", static_cast<unsigned long>(lTime));
        return false;
    }
    char field[] = "000000|";
    for (int digit = 5; digit >= 0 && lTime; --digit, lTime /= 10)
        field[digit] = static_cast<char>('0' + lTime % 10);
    records_.PutEncoded(std::string_view(field, sizeof field - 1));
    return true;
}

void FirstPassWriter::PutMetaByte(uint32_t index, unsigned char byte) {
    if (byte == 0)
        byte = ' ';
    if (byte == '/' || byte == '\\') {
        if (index == 0)
            text_.PutEncoded(kLineEnd);
        else
            byte = '.';
    }
    records_.PutEncoded(byte);
    text_.PutEncoded(byte);
}

} // namespace textpull
