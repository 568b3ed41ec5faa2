#pragma once
// The check every scene model makes before it takes a control's number: whole and within
// the control's range. A spin edit lets any number be typed and puts it into its range
// only when it is left, so the model sees what was typed and must refuse the rest.

#include <string>

namespace orbisto {

// Throws AllgemeinerFehler "<feld>: <wert> ist nicht erlaubt.\rErlaubt sind ganze Zahlen
// von <min> bis <max>." unless the number is whole and within min ... max (NaN and
// infinities are neither).
void GanzzahlPruefen(double wert, int min, int max, const std::string& feld);

}  // namespace orbisto
