#include "scenes/zahlfeld.h"

#include "core/allgemeinerfehler.h"
#include "core/zahltext.h"

#include <cmath>
#include <string>

namespace orbisto {

namespace {

void GanzzahlPruefen(double wert, int min, int max, const std::string& feld)
{
    if (std::isfinite(wert) && wert == std::trunc(wert) && wert >= min && wert <= max)
        return;
    throw AllgemeinerFehler(feld + ": " + ZahlText(wert) + " ist nicht erlaubt.\rErlaubt sind ganze Zahlen von " +
                            std::to_string(min) + " bis " + std::to_string(max) + ".");
}

}  // namespace

void tZahlFeld::Pruefen(double wert) const { GanzzahlPruefen(wert, Min, Max, std::string(Name)); }

void tZahlFeld::Pruefen(const tVektor3& v) const
{
    const std::string name(Name);
    GanzzahlPruefen(v.x, Min, Max, name + ", x-Komponente");
    GanzzahlPruefen(v.y, Min, Max, name + ", y-Komponente");
    GanzzahlPruefen(v.z, Min, Max, name + ", z-Komponente");
}

}  // namespace orbisto
