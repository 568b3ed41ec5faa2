#include "core/zitat.h"

namespace orbisto {

namespace {

bool istFolgebyte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::string Gekuerzt(std::string_view text, std::size_t hoechstens)
{
    if (text.size() <= hoechstens)
        return std::string(text);
    // A character has at most three bytes after its first, so a boundary is at most three
    // steps back; finding none, the text is no UTF-8 there and any cut is as good.
    std::size_t n = hoechstens;
    while (n > 0 && hoechstens - n < 3 && istFolgebyte(text[n]))
        --n;
    if (istFolgebyte(text[n]))
        n = hoechstens;
    std::string s(text.substr(0, n));
    s += "…";
    return s;
}

std::string Zitat(std::string_view text) { return "'" + Gekuerzt(text, ZitatMax) + "'"; }

}  // namespace orbisto
