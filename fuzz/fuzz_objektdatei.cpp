// Reads arbitrary bytes as an object list file. Whatever the reader accepts must come back
// unchanged through the writer: the list written and read again is the same list, and
// writing that gives the same bytes; and every entry it accepts draws within the work an
// object may cost. A refusal must be the file error with a message; any other exception
// ends the run as a crash.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "objects/objektdatei.h"
#include "objects/objektzeichnen.h"

using namespace orbisto;

namespace {

void Check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "fuzz_objektdatei: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    tObjektliste liste;
    try {
        liste = ObjektlisteLesen(bytes);
    } catch (const ObjektdateiFehler& e) {
        Check(*e.what() != '\0', "a refusal without a message");
        return 0;
    }
    for (std::int32_t i = 1; i <= liste.ObjektAnzahl(); ++i) {
        Check(!liste[i].Vor, "an entry read with its Vor mark set");
        Check(!AufwandPruefen(liste[i]), "an entry read that costs more than the drawing allows");
    }

    const std::string text = ObjektlisteText(liste);  // what was read can always be written
    const tObjektliste wieder = ObjektlisteLesen(text);
    Check(wieder.ObjektAnzahl() == liste.ObjektAnzahl(), "the written list reads back with another count");
    for (std::int32_t i = 1; i <= liste.ObjektAnzahl(); ++i)
        Check(wieder[i] == liste[i], "an entry reads back changed");
    Check(ObjektlisteText(wieder) == text, "the list read back is written differently");
    return 0;
}
