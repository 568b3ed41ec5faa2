#pragma once
// The description page of the "Hilfe" menu, built line by line into the help window.

#include <QStringList>

namespace orbisto {

class THtmlHilfeForm;

// The lines of the page in order, without the head and end that HilfeAnzeigen adds:
// seven groups, each followed by the line "<br><hr><br>", then "<br><br><br>".
QStringList BeschreibungZeilen();

// "Beschreibung": builds the page anew (so choosing it twice shows it once), captions the
// window "Beschreibung zu Orbisto" and shows it, non-modal.
void BeschreibungMenClick(THtmlHilfeForm& hilfe);

}  // namespace orbisto
