#include "core/fehlertext.h"

#include "core/allgemeinerfehler.h"
#include "core/dateien.h"
#include "core/zahltext.h"

#include <filesystem>
#include <new>
#include <stdexcept>
#include <system_error>
#include <typeinfo>

namespace orbisto {

std::string FehlerBeschreibung(const std::exception& fehler)
{
    if (dynamic_cast<const AllgemeinerFehler*>(&fehler) || dynamic_cast<const KonvertierungsFehler*>(&fehler) ||
        typeid(fehler) == typeid(std::runtime_error))
        return fehler.what();
    if (dynamic_cast<const std::bad_alloc*>(&fehler))  // std::bad_array_new_length too
        return "Nicht genug Arbeitsspeicher";
    if (const auto* f = dynamic_cast<const std::filesystem::filesystem_error*>(&fehler)) {
        std::string text = "Fehler beim Zugriff auf eine Datei: " + DateiFehlerGrund(f->code());
        if (!f->path1().empty())
            text += " („" + f->path1().string() + "“)";
        return text;
    }
    if (const auto* f = dynamic_cast<const std::system_error*>(&fehler))
        return "Fehler des Systems: " + DateiFehlerGrund(f->code());
    if (dynamic_cast<const std::length_error*>(&fehler))
        return "Die Datenmenge ist zu groß für den Arbeitsspeicher";
    // A fault of the program itself, or of a library it uses. The original text is English
    // but helps whoever has to find the fault.
    return std::string("Ein unerwarteter Fehler ist aufgetreten (") + fehler.what() + ")";
}

std::string FehlerBeschreibung(const std::exception_ptr& fehler)
{
    try {
        if (fehler)
            std::rethrow_exception(fehler);
    } catch (const std::exception& e) {
        return FehlerBeschreibung(e);
    } catch (...) {
    }
    return "Unbekannter Fehler";
}

}  // namespace orbisto
