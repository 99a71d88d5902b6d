#include "render/UIFont.h"

#include <cstring>

const char* const UIFont::STANDARD_CHARSET =
    " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`"
    "abcdefghijklmnopqrstuvwxyz{|}~\xE5\xE4\xF6\xC5\xC4\xD6";

UIFont::UIFont(const char* path, const char* charset) : path(path ? path : "") {
    if (!charset)
        charset = STANDARD_CHARSET;
    // Every byte maps to the first position it has in the set; bytes outside it to glyph 0.
    std::memset(charIndex, 0, sizeof charIndex);
    const size_t length = std::strlen(charset);
    for (size_t i = length; i-- > 0;)
        charIndex[static_cast<unsigned char>(charset[i])] = static_cast<Uint8>(i);
}
