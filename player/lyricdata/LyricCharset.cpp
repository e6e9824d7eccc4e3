#include "LyricCharset.h"

namespace player {

int16_t ConvertCh0(int16_t InChB) {
    if (InChB >= 32 && InChB <= 47)
        return static_cast<int16_t>(InChB + 208);
    if (InChB >= 48 && InChB <= 255)
        return static_cast<int16_t>(InChB - 16);
    return InChB;
}

int16_t ConvertCh1(int16_t InChB) {
    if (InChB >= 32 && InChB <= 239)
        return static_cast<int16_t>(InChB + 16);
    if (InChB >= 240 && InChB <= 255)
        return static_cast<int16_t>(InChB - 208);
    return InChB;
}

void ConvertStr(std::string& InputStr, int32_t Mode) {
    for (char& c : InputStr) {
        const auto code = static_cast<int16_t>(static_cast<unsigned char>(c));
        c = static_cast<char>(Mode == 0 ? ConvertCh0(code) : ConvertCh1(code));
    }
}

} // namespace player
