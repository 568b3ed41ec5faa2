#include "objects/typenliste.h"

#include <span>

namespace orbisto {

namespace {

// The one declaration of every type's parameters; everything else reads it through the
// filled catalogue.
struct ParDekl {
    std::string_view Name;
    std::string_view Wert;
    tParArt Art;
};

struct TypDekl {
    std::string_view Name;
    std::span<const ParDekl> Parameter;
};

constexpr auto Z = tParArt::Zahl;
constexpr auto G = tParArt::Ganzzahl;
constexpr auto S = tParArt::Schalter;
constexpr auto F = tParArt::Formel;

constexpr ParDekl Funktion3d[] = {
    {"f(x,y)", "x+y", F},   {"xmin", "-4", Z},      {"xmax", "4", Z},    {"ymin", "-4", Z},  {"ymax", "4", Z},
    {"xSchritte", "20", G}, {"ySchritte", "20", G}, {"Flaeche", "1", S}, {"Gitter", "1", S},
};

constexpr ParDekl Rotationskoerper[] = {
    {"f(x)", "0,5*x", F},     {"xmin", "1", Z},     {"xmax", "5", Z},      {"xSchritte", "10", G},
    {"RotSchritte", "20", G}, {"Funktion", "0", S}, {"FktGitter", "1", S}, {"RotGitter", "1", S},
    {"Flaeche", "0", S},      {"Zylinder", "0", S},
};

constexpr ParDekl EbenePRF[] = {
    {"px", "2", Z},      {"py", "0", Z},     {"pz", "0", Z},       {"ux", "0", Z}, {"uy", "1", Z},
    {"uz", "0", Z},      {"vx", "0", Z},     {"vy", "0", Z},       {"vz", "1", Z}, {"Schritte", "6", G},
    {"Flaeche", "1", S}, {"Gitter", "1", S}, {"Vektoren", "0", S},
};

constexpr ParDekl EbenePNF[] = {
    {"px", "2", Z}, {"py", "0", Z},       {"pz", "0", Z},      {"nx", "1", Z},     {"ny", "0", Z},
    {"nz", "4", Z}, {"Schritte", "6", G}, {"Flaeche", "1", S}, {"Gitter", "1", S}, {"Vektoren", "0", S},
};

constexpr ParDekl GeradePRF[] = {
    {"px", "2", Z}, {"py", "0", Z}, {"pz", "0", Z},       {"ux", "0", Z},       {"uy", "0", Z},
    {"uz", "1", Z}, {"r", "0", Z},  {"Schritte", "6", G}, {"Vektoren", "0", S},
};

constexpr ParDekl KreisMNF[] = {
    {"mx", "3", Z},       {"my", "0", Z},      {"mz", "3", Z},     {"nx", "0", Z},
    {"ny", "0", Z},       {"nz", "1", Z},      {"r", "2", Z},      {"rL", "0,05", Z},
    {"Schritte", "8", G}, {"Flaeche", "1", S}, {"Gitter", "1", S}, {"Vektoren", "0", S},
};

constexpr ParDekl Kugel[] = {
    {"mx", "0", Z},     {"my", "0", Z},      {"mz", "0", Z},       {"r", "3", Z},
    {"Gitter", "1", S}, {"Flaeche", "0", S}, {"Schritte", "4", G},
};

constexpr ParDekl Punkt[] = {
    {"x", "0", Z},
    {"y", "0", Z},
    {"z", "0", Z},
    {"r", "0,15", Z},
};

constexpr ParDekl Strecke[] = {
    {"x1", "0", Z}, {"y1", "0", Z}, {"z1", "0", Z}, {"x2", "4", Z}, {"y2", "3", Z}, {"z2", "2", Z}, {"r", "0", Z},
};

constexpr ParDekl Vektor[] = {
    {"x1", "0", Z}, {"y1", "0", Z}, {"z1", "0", Z},   {"x2", "4", Z},
    {"y2", "3", Z}, {"z2", "2", Z}, {"r", "0,05", Z}, {"Quader", "0", S},
};

constexpr ParDekl Viereck[] = {
    {"x1", "1", Z}, {"y1", "1", Z}, {"z1", "1", Z}, {"x2", "4", Z}, {"y2", "1", Z}, {"z2", "1", Z},      {"x3", "4", Z},
    {"y3", "3", Z}, {"z3", "2", Z}, {"x4", "1", Z}, {"y4", "3", Z}, {"z4", "3", Z}, {"Flaeche", "1", S},
};

// Cuboid and pyramid share their parameters, as do cone and cylinder.
constexpr ParDekl QuaderPyramide[] = {
    {"mx", "0", Z}, {"my", "0", Z},     {"mz", "0", Z},     {"a", "6", Z},       {"b", "4", Z},
    {"h", "4", Z},  {"Gitter", "1", S}, {"Mantel", "0", S}, {"Flaeche", "0", S}, {"Hoehe", "0", S},
};

constexpr ParDekl KegelZylinder[] = {
    {"mx", "0", Z},     {"my", "0", Z},     {"mz", "0", Z},      {"r", "2", Z},     {"h", "4", Z},
    {"Gitter", "1", S}, {"Mantel", "0", S}, {"Flaeche", "0", S}, {"Hoehe", "0", S}, {"Schritte", "20", G},
};

// Slot order, which is not the menu order (there Zylinder comes before Kegel).
constexpr TypDekl Deklarationen[] = {
    {"Funktion3d", Funktion3d},
    {"Rotationskoerper", Rotationskoerper},
    {"EbenePRF", EbenePRF},
    {"EbenePNF", EbenePNF},
    {"GeradePRF", GeradePRF},
    {"KreisMNF", KreisMNF},
    {"Kugel", Kugel},
    {"Punkt", Punkt},
    {"Strecke", Strecke},
    {"Vektor", Vektor},
    {"Viereck", Viereck},
    {"Quader", QuaderPyramide},
    {"Pyramide", QuaderPyramide},
    {"Kegel", KegelZylinder},
    {"Zylinder", KegelZylinder},
};

static_assert(std::size(Deklarationen) == 15 && std::size(Deklarationen) < TypSlots);

constexpr bool PasstInZeilen()
{
    for (const auto& typ : Deklarationen)
        if (typ.Parameter.size() > ParameterMax)
            return false;
    return true;
}
static_assert(PasstInZeilen());

}  // namespace

std::size_t t3DTyp::ParameterAnzahl() const
{
    std::size_t n = 0;
    while (n < ParameterMax && ParArt[n] != tParArt::Leer)
        ++n;
    return n;
}

void tTypenliste::TypenlisteFuellen()
{
    Typen.fill(t3DTyp{});
    std::size_t slot = 1;
    for (const auto& dekl : Deklarationen) {
        t3DTyp& typ = Typen[slot++];
        typ.Name = dekl.Name;
        for (std::size_t i = 0; i < dekl.Parameter.size(); ++i) {
            typ.ParName[i] = dekl.Parameter[i].Name;
            typ.ParWert[i] = dekl.Parameter[i].Wert;
            typ.ParArt[i] = dekl.Parameter[i].Art;
        }
    }
    Typenanzahl = static_cast<std::int32_t>(slot - 1);
}

std::int32_t tTypenliste::TypSuchen(std::string_view name) const
{
    for (std::int32_t i = 1; i <= Typenanzahl; ++i)
        if (Typen[static_cast<std::size_t>(i)].Name == name)
            return i;
    return 1;
}

}  // namespace orbisto
