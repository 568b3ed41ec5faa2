#include "scenes/physics/stehendekreiswelle.h"

#include "core/zahltext.h"
#include "scenes/zahlfeld.h"
#include "view/tkosys.h"

#include <string>
#include <vector>

namespace orbisto {

void TStehendeKreisWelle::EinstellungenAendern(const tStehendeKreisWelleEinstellungen& neu)
{
    // Everything is checked before anything is stored.
    OrdnungFeld.Pruefen(neu.Ordnung);
    AmplitudeFeld.Pruefen(neu.AmplitudeWert);
    FktSchritteFeld.Pruefen(neu.FktSchritte);
    RotSchritteFeld.Pruefen(neu.RotSchritte);
    SchwingungSchritteFeld.Pruefen(neu.SchwingungSchritte);
    ZeitSchritteFeld.Pruefen(neu.ZeitSchritte);
    e_ = neu;
    if (e_.Anzeige == tWellenAnzeige::Schwingung) {
        s_ = 0;
        richtung_ = 1;
    }
}

int TStehendeKreisWelle::Viertelperiode() const
{
    // At least 4 steps make at least one tick per quarter.
    return static_cast<int>(Runden(e_.SchwingungSchritte / 4.0L));
}

void TStehendeKreisWelle::Takt()
{
    const int q = Viertelperiode();
    s_ += richtung_;
    if (s_ >= q)
        richtung_ = -1;
    if (s_ <= -q)
        richtung_ = 1;
}

std::string TStehendeKreisWelle::PiHalbeText() { return ZahlText(1.57079625L); }

std::string TStehendeKreisWelle::FormelRest() const
{
    const int k = e_.Ende == tWellenEnde::Fest ? 2 * e_.Ordnung - 1 : 2 * e_.Ordnung;
    return "*cos(" + std::to_string(k) + "*0,25*x*" + PiHalbeText() + ")";
}

std::string TStehendeKreisWelle::Formel(double amplitude) const { return ZahlText(amplitude) + FormelRest(); }

std::vector<std::string> TStehendeKreisWelle::Formeln() const
{
    const double a = e_.AmplitudeWert;
    switch (e_.Anzeige) {
    case tWellenAnzeige::Funktion: return {Formel(a)};
    case tWellenAnzeige::Einhuellende: return {Formel(a), Formel(-a)};
    case tWellenAnzeige::Schwingung: return {Formel(Amplitudenfaktor() * a)};
    }
    return {};
}

void TStehendeKreisWelle::SzeneZeichnen(TKoSys& k)
{
    if (!e_.StehendeWelle)
        return;
    const std::vector<std::string> formeln = Formeln();
    if (e_.Traeger == tWellenTraeger::Eben) {
        MembranZeichnen(k, formeln);
        return;
    }
    TKoSys::FarbeSetzen({0, 0, 0});
    for (const std::string& formel : formeln)
        k.FormelKurve(formel, e_.FktSchritte, -Halbbreite, Halbbreite, 2);
}

void TStehendeKreisWelle::MembranZeichnen(TKoSys& k, const std::vector<std::string>& formeln) const
{
    // Each shape's profile is evaluated once and shared by web, circles and surface.
    std::vector<TKoSys::tMembranProfil> profile;
    for (const std::string& formel : formeln)
        profile.push_back(TKoSys::MembranProfil(formel, e_.FktSchritte, Halbbreite));
    const int m = e_.RotSchritte;

    // Webs and circles first, of every shape in its order, then the surfaces.
    TKoSys::FarbeSetzen({0, 0, 0});
    if (e_.FunktionsGitter)
        for (const auto& p : profile)
            k.MeridianGitterZeichnen(p, m);
    if (e_.RotationsGitter)
        for (const auto& p : profile)
            k.RingGitterZeichnen(p, m);
    if (!e_.FunktionsFlaeche)
        return;
    const tRGB dunkel{DunklesGrau, DunklesGrau, DunklesGrau}, hell{HellesGrau, HellesGrau, HellesGrau};
    if (profile.size() == 1) {
        // One shape: its two sides in two shades.
        TKoSys::FarbeSetzen(dunkel);
        k.MembranFlaecheZeichnen(profile[0], m, 1);
        TKoSys::FarbeSetzen(hell);
        k.MembranFlaecheZeichnen(profile[0], m, 0);
        return;
    }
    // The envelope: the +A shape in the dark shade, the -A shape in the light one.
    for (std::size_t i = 0; i < profile.size(); ++i) {
        TKoSys::FarbeSetzen(i == 0 ? dunkel : hell);
        k.MembranFlaecheZeichnen(profile[i], m, 1);
        k.MembranFlaecheZeichnen(profile[i], m, 0);
    }
}

}  // namespace orbisto
