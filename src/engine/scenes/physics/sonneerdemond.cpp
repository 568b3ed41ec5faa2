#include "scenes/physics/sonneerdemond.h"

#include "view/tkosys.h"

#include <cmath>
#include <numbers>

namespace orbisto {

namespace {

// The point `abstand` out along the x axis of a frame turned by `grad` about z.
tVektor3 Hinaus(double grad, double abstand)
{
    const double w = grad * std::numbers::pi / 180;
    return {abstand * std::cos(w), abstand * std::sin(w), 0};
}

}  // namespace

void TSonneErdeMond::EinstellungenAendern(const tSonneErdeMondEinstellungen& neu)
{
    IntervallFeld.Pruefen(neu.Intervall);
    e_ = neu;
}

void TSonneErdeMond::Schritt()
{
    erdwinkel_ += Erdschritt;
    mondwinkel_ += Mondschritt;
}

void TSonneErdeMond::Reset()
{
    erdwinkel_ = 0;
    mondwinkel_ = 0;
}

void TSonneErdeMond::SzeneZeichnen(TKoSys& k)
{
    const auto kugel = [&k](const tKoerper& koerper) {
        TKoSys::FarbeSetzen(koerper.farbe);
        k.Kugelkoerper(koerper.teilung, koerper.radius);
    };
    // The pass hands every hook the identity: the Sun needs no frame of its own.
    if (e_.Sonne)
        kugel(SonnenKugel);
    // Turning about z and then moving out along x is the same frame as moving to the
    // turned point and turning there; that is the form ImRahmen takes.
    const tVektor3 erde = Hinaus(erdwinkel_, Erdbahnradius);
    if (e_.Erde)
        k.ImRahmen(erde, {{erdwinkel_, {0, 0, 1}}}, [&] { kugel(ErdKugel); });
    if (e_.Mond)
        k.ImRahmen(erde + Hinaus(erdwinkel_ + mondwinkel_, Mondbahnradius),
                   {{erdwinkel_, {0, 0, 1}}, {mondwinkel_, {0, 0, 1}}}, [&] { kugel(MondKugel); });
}

}  // namespace orbisto
