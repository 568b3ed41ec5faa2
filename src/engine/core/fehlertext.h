#pragma once
// The one place where a caught error becomes the German text the user reads. The
// program's own errors (AllgemeinerFehler and those derived from it, KonvertierungsFehler)
// carry that text as what(); everything the standard library throws speaks English and is
// told in German here instead.

#include <exception>
#include <string>

namespace orbisto {

// - the program's own errors, and a plain std::runtime_error (the kind the program raises
//   with a message of its own; the library throws only types derived from it): what();
// - std::bad_alloc: "Nicht genug Arbeitsspeicher";
// - std::filesystem::filesystem_error, std::system_error: the German reason of its error
//   code (DateiFehlerGrund), with the file it concerns;
// - any other exception of the library: a German sentence followed by its own text.
std::string FehlerBeschreibung(const std::exception& fehler);

// The same for a caught exception of any kind; "Unbekannter Fehler" for one that is no
// std::exception, and for none.
std::string FehlerBeschreibung(const std::exception_ptr& fehler);

}  // namespace orbisto
