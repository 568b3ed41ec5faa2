#pragma once
// What every window test needs besides its window: a known font, and the check that a
// window fits the font it is shown in.

#include <QStringList>

class QWidget;

// Loads the font every window test uses from its files (DejaVu Sans, fonts-dejavu-core)
// and makes it the application's font at `punkte`. The program asks for a font that no
// Linux machine has, and what fontconfig gives instead depends on what is installed; the
// tests measure in a font that does not.
void TestSchriftSetzen(double punkte = 8);

// Once per window test program: the program's GL format (before any GL widget exists),
// windows that may all be closed without ending the application, and the test font.
void FenstertestEinrichten();

// The family TestSchriftSetzen sets.
QString TestSchrift();

// Why `fenster` does not fit its font, one line a fault: a control sticking out of the
// window or of its group box, a caption (check box, radio button, label, button) given
// less room than it needs, two controls of one parent on top of each other. Hidden
// controls do not count. Empty when everything fits.
QStringList Passfehler(const QWidget* fenster);
