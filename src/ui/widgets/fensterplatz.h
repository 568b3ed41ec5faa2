#pragma once
// Where a window appears: a scene window 50 pixels right of and below the main window's
// top-left corner (frame positions, as the user sees them); a window held above all others.

class QWidget;

namespace orbisto {

// Moves `fenster`; does nothing without a main window.
void FensterPlatzieren(QWidget* fenster, const QWidget* hauptfenster);

// Holds `fenster` above every other window or returns it to the normal order. A visible
// window stays visible and where it was.
void ObenHalten(QWidget* fenster, bool oben);
bool ObenGehalten(const QWidget* fenster);

}  // namespace orbisto
