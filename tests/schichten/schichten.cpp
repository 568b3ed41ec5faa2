#include "schichten.h"

#include <array>
#include <cctype>

namespace orbisto::test {

namespace {

// From the ground up. The first six are the engine: plain C++ and GL.
constexpr std::array<std::string_view, 10> Schichten{"core",     "expr",     "view",    "objects", "scenes",
                                                     "programm", "platform", "widgets", "windows", "app"};
constexpr int ErsteOhneEngine = 6;

// Each library's include root below src/; a path below src/ starts with one of them.
constexpr std::array<std::string_view, 3> Wurzeln{"engine/", "gui/", "ui/"};

std::string_view ErsterOrdner(std::string_view pfad)
{
    const auto ende = pfad.find('/');
    return ende == std::string_view::npos ? std::string_view{} : pfad.substr(0, ende);
}

int Schicht(std::string_view ordner)
{
    for (std::size_t i = 0; i < Schichten.size(); ++i)
        if (Schichten[i] == ordner)
            return static_cast<int>(i);
    return -1;
}

}  // namespace

int SchichtVon(std::string_view pfad)
{
    for (std::string_view wurzel : Wurzeln)
        if (pfad.starts_with(wurzel)) {
            pfad.remove_prefix(wurzel.size());
            break;
        }
    return Schicht(ErsterOrdner(pfad));
}

std::string IncludeVerstoss(std::string_view datei, std::string_view zeile)
{
    std::size_t i = 0;
    auto leer = [&] {
        while (i < zeile.size() && std::isspace(static_cast<unsigned char>(zeile[i])))
            ++i;
    };
    leer();
    if (i >= zeile.size() || zeile[i] != '#')
        return {};
    ++i;
    leer();
    if (zeile.substr(i, 7) != "include")
        return {};
    i += 7;
    leer();
    if (i >= zeile.size())
        return {};
    const char auf = zeile[i];
    const char zu = auf == '<' ? '>' : '"';
    const auto ende = zeile.find(zu, i + 1);
    if ((auf != '<' && auf != '"') || ende == std::string_view::npos)
        return {};
    const std::string_view kopf = zeile.substr(i + 1, ende - i - 1);

    const int eigene = SchichtVon(datei);
    if (auf == '<') {
        const bool qt = kopf.starts_with('Q') || kopf.starts_with("qt") || kopf.starts_with("qglobal");
        if (qt && eigene >= 0 && eigene < ErsteOhneEngine)
            return "the engine includes the Qt header <" + std::string(kopf) + ">";
        return {};
    }
    // The headers uic writes from a window's .ui file, beside the window.
    if (kopf.starts_with("ui_") && kopf.find('/') == std::string_view::npos)
        return {};
    const int ziel = Schicht(ErsterOrdner(kopf));
    if (ziel < 0)
        return "\"" + std::string(kopf) + "\" lies in no layer";
    if (ziel > eigene)
        return "\"" + std::string(kopf) + "\" lies in the layer " + std::string(Schichten[ziel]) + " above " +
               std::string(eigene >= 0 ? Schichten[eigene] : "?");
    return {};
}

}  // namespace orbisto::test
