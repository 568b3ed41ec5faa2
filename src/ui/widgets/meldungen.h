#pragma once
// The message boxes every window uses. Each one beeps first, then shows a modal box
// captioned "Orbisto". A "\r" in a text is a line break; texts are shown as plain text,
// so a formula such as "x<y" is never taken for markup.

#include <QString>

#include <exception>
#include <utility>

class QWidget;

namespace orbisto {

// Beep, then an error box with OK.
void Fehlermeldung(const QString& text, QWidget* parent = nullptr);

// Beep, then a question with "Ja" and "Nein"; true on "Ja". Escape or closing the box
// counts as "Nein".
bool Bestaetigung(const QString& text, QWidget* parent = nullptr);

// Beep, then a question with "Ja", "Nein" and "Abbrechen". Escape or closing the box
// counts as "Abbrechen": whoever backs out of the box wants nothing to happen.
enum class tAntwort { Ja, Nein, Abbrechen };
tAntwort Frage(const QString& text, QWidget* parent = nullptr);

// The one box for an error that no handler caught. While it is open, further calls
// show nothing and return false, so a timer that keeps failing cannot stack up boxes.
bool FehlerAnzeigen(const QString& text);

// The text the user sees for a caught error, always German: FehlerBeschreibung
// (core/fehlertext.h) as Qt text.
QString FehlerText(const std::exception_ptr& fehler);

// Shows a caught error with FehlerAnzeigen. Call it after the catch block: the box runs a
// modal loop, which must not run while the exception is still being handled.
void FehlerZeigen(const std::exception_ptr& fehler);

// Runs a handler wired to a control; an error it raises is shown with FehlerAnzeigen
// instead of unwinding into Qt's event loop. Returns false if the handler failed.
// A template, so that wrapping every event of the application allocates nothing.
template <class Handler>
bool FehlerAbfangen(Handler&& handler)
{
    std::exception_ptr fehler;
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (...) {
        fehler = std::current_exception();
    }
    FehlerZeigen(fehler);
    return false;
}

// The beep that precedes every box (QApplication::beep unless replaced). Returns the
// previous one; tests put a recorder here.
using Signalton = void (*)();
Signalton SignaltonSetzen(Signalton ton);

}  // namespace orbisto
