#pragma once
// Where a window appears: a scene window 50 pixels right of and below the main window's
// top-left corner (frame positions, as the user sees them); a window used together with
// the main window's view beside it; a window held above all others.

class QPoint;
class QRect;
class QSize;
class QWidget;

namespace orbisto {

// Moves `fenster`; does nothing without a main window.
void FensterPlatzieren(QWidget* fenster, const QWidget* hauptfenster);

// The top-left corner for a window of frame size `groesse` beside the frame `haupt` on the
// free area `bildschirm` (all in frame coordinates): right of `haupt` where the area has
// room, else left of it, else the corner place of the area that covers least of `haupt`.
// The top edges line up as far as the area allows.
QPoint PlatzDaneben(const QRect& haupt, const QSize& groesse, const QRect& bildschirm);

// Moves `fenster` beside `hauptfenster` on the latter's screen by PlatzDaneben, so that
// it covers nothing of the main window where the screen allows; does nothing without a
// main window. A window not yet shown is assumed to get the main window's frame.
void FensterDanebenPlatzieren(QWidget* fenster, const QWidget* hauptfenster);

// Holds `fenster` above every other window or returns it to the normal order. A visible
// window stays visible and where it was.
void ObenHalten(QWidget* fenster, bool oben);
bool ObenGehalten(const QWidget* fenster);

}  // namespace orbisto
