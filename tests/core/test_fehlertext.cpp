// What the user reads for a caught error: the program's own German messages as they are,
// and the standard library's English exceptions in German.

#include "core/allgemeinerfehler.h"
#include "core/fehlertext.h"
#include "core/zahltext.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <ios>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

using namespace orbisto;

namespace {

TEST(FehlerBeschreibung, EveryCaughtErrorIsToldInGerman)
{
    const struct {
        const char* name;
        std::function<void()> werfen;
        std::string text;     // the whole text, or its beginning when `anfang`
        bool anfang = false;  // the text goes on (with the library's own words)
    } faelle[] = {
        {"own error", [] { throw AllgemeinerFehler("Syntaxfehler bei \"(\""); }, "Syntaxfehler bei \"(\""},
        {"number text", [] { TextZahl("2*x"); }, "'2*x' ist kein gültiger Gleitkommawert"},
        {"plain runtime_error", [] { throw std::runtime_error("'q' ist kein gültiger Gleitkommawert"); },
         "'q' ist kein gültiger Gleitkommawert"},
        {"bad_alloc", [] { throw std::bad_alloc(); }, "Nicht genug Arbeitsspeicher"},
        {"bad_array_new_length", [] { throw std::bad_array_new_length(); }, "Nicht genug Arbeitsspeicher"},
        {"system_error", [] { throw std::system_error(ELOOP, std::generic_category(), "open"); },
         "Fehler des Systems: Zu viele symbolische Links hintereinander, vermutlich eine Schleife"},
        {"system_error of an unknown number", [] { throw std::system_error(4000, std::system_category()); },
         "Fehler des Systems: Systemfehler Nr. 4000"},
        {"filesystem_error", [] { static_cast<void>(std::filesystem::file_size("/gibt/es/nicht.o3d")); },
         "Fehler beim Zugriff auf eine Datei: Datei oder Verzeichnis nicht gefunden („/gibt/es/nicht.o3d“)"},
        {"stream failure", [] { throw std::ios_base::failure("basic_ios::clear"); },
         "Fehler des Systems: Fehler beim Lesen oder Schreiben eines Datenstroms"},
        {"length_error", [] { std::string().reserve(std::string().max_size() + 1); },
         "Die Datenmenge ist zu groß für den Arbeitsspeicher"},
        {"logic error", [] { std::vector<int>().at(3); }, "Ein unerwarteter Fehler ist aufgetreten (", true},
        {"bad_optional_access", [] { static_cast<void>(std::optional<int>().value()); },
         "Ein unerwarteter Fehler ist aufgetreten (", true},
        {"not a std::exception", [] { throw 42; }, "Unbekannter Fehler"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        std::exception_ptr fehler;
        try {
            f.werfen();
        } catch (...) {
            fehler = std::current_exception();
        }
        ASSERT_TRUE(fehler);
        const std::string text = FehlerBeschreibung(fehler);
        if (f.anfang)
            EXPECT_TRUE(text.starts_with(f.text) && text.size() > f.text.size()) << text;
        else
            EXPECT_EQ(text, f.text);
    }
    EXPECT_EQ(FehlerBeschreibung(std::exception_ptr()), "Unbekannter Fehler");
}

}  // namespace
