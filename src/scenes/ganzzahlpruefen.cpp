#include "scenes/ganzzahlpruefen.h"

#include "core/allgemeinerfehler.h"
#include "core/zahltext.h"

#include <cmath>

namespace orbisto {

void GanzzahlPruefen(double wert, int min, int max, const std::string& feld)
{
    if (std::isfinite(wert) && wert == std::trunc(wert) && wert >= min && wert <= max)
        return;
    throw AllgemeinerFehler(feld + ": " + ZahlText(wert) + " ist nicht erlaubt.\rErlaubt sind ganze Zahlen von " +
                            std::to_string(min) + " bis " + std::to_string(max) + ".");
}

}  // namespace orbisto
