#include "objects/objektliste.h"

#include <stdexcept>
#include <string>

namespace orbisto {

void t3DObjekt::FarbeSetzen(std::uint32_t farbe)
{
    farbe_ = farbe;
    stufen_ = FarbStufen(farbe);
}

std::size_t tObjektliste::stelle(std::int32_t i) const
{
    if (i < 1 || i > anzahl_)
        throw std::out_of_range("Objektliste: Eintrag " + std::to_string(i) + " gibt es nicht");
    return static_cast<std::size_t>(i - 1);
}

const t3DObjekt& tObjektliste::operator[](std::int32_t i) const { return objekte_[stelle(i)]; }

t3DObjekt& tObjektliste::operator[](std::int32_t i) { return objekte_[stelle(i)]; }

bool tObjektliste::ObjektAnhaengen(const t3DObjekt& objekt)
{
    if (Voll())
        return false;
    objekte_[static_cast<std::size_t>(anzahl_)] = objekt;
    ++anzahl_;
    return true;
}

void tObjektliste::ObjektErsetzen(std::int32_t i, const t3DObjekt& objekt) { objekte_[stelle(i)] = objekt; }

void tObjektliste::ObjektLoeschen(std::int32_t i)
{
    for (std::size_t k = stelle(i); k + 1 < static_cast<std::size_t>(anzahl_); ++k)
        objekte_[k] = objekte_[k + 1];
    --anzahl_;
}

}  // namespace orbisto
