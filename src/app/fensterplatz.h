#pragma once
// Where a scene window appears: 50 pixels right of and below the main window's
// top-left corner (frame positions, as the user sees them).

class QWidget;

namespace orbisto {

// Moves `fenster`; does nothing without a main window.
void FensterPlatzieren(QWidget* fenster, const QWidget* hauptfenster);

}  // namespace orbisto
