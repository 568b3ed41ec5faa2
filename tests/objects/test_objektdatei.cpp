// The object list file: what the writer puts into it byte for byte, what the reader makes
// of hand-written and foreign files and what it refuses, and that saving replaces a file in
// one step or not at all.

#include "objects/objektdatei.h"
#include "objects/typenliste.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

using namespace orbisto;
namespace fs = std::filesystem;

namespace {

const std::string Kopf = "Objektliste zu Orbisto\r\n";

t3DObjekt Objekt(const std::string& typ, std::uint32_t farbe, bool orig, std::initializer_list<std::string> parameter)
{
    t3DObjekt o;
    o.Typname = typ;
    o.Orig = orig;
    o.FarbeSetzen(farbe);
    std::size_t k = 0;
    for (const std::string& p : parameter)
        o.Parameter.at(k++) = p;
    return o;
}

tObjektliste Liste(std::initializer_list<t3DObjekt> objekte)
{
    tObjektliste liste;
    for (const t3DObjekt& o : objekte)
        liste.ObjektAnhaengen(o);
    return liste;
}

void ExpectGleich(const tObjektliste& ist, const tObjektliste& soll)
{
    ASSERT_EQ(ist.ObjektAnzahl(), soll.ObjektAnzahl());
    for (std::int32_t i = 1; i <= soll.ObjektAnzahl(); ++i)
        EXPECT_EQ(ist[i], soll[i]) << "entry " << i;
}

// The message a refused file gives, or a marker when it was read.
std::string Meldung(std::string_view bytes)
{
    try {
        ObjektlisteLesen(bytes);
    } catch (const ObjektdateiFehler& e) {
        return e.what();
    }
    return "(read)";
}

TEST(Objektdatei, SavedListReadsBackWithVorCleared)
{
    std::vector<std::string> alle;
    for (int k = 1; k <= 20; ++k)
        alle.push_back("p" + std::to_string(k));
    alle[0] = std::string(300, 'x') + "+1";  // longer than the 255 of a short string
    t3DObjekt voll = Objekt("Quader", 0x123456, true, {});
    std::copy(alle.begin(), alle.end(), voll.Parameter.begin());
    t3DObjekt ende = Objekt("Unbekannt", 0, false, {});
    ende.Parameter[19] = "nur der letzte";

    tObjektliste liste = Liste({Objekt("Funktion3d", 0xFFFF00, true, {"x+y", "-4", "4"}),
                                Objekt("Kugel", 0xFFFFFFFF, false, {"0,5", "Größe ä ö ü ß €"}), voll, ende,
                                Objekt("", 0x80000000, true, {})});
    liste[1].Vor = true;
    liste[2].Vor = true;

    const tObjektliste gelesen = ObjektlisteLesen(ObjektlisteText(liste));
    for (std::int32_t i = 1; i <= liste.ObjektAnzahl(); ++i)
        liste[i].Vor = false;
    ExpectGleich(gelesen, liste);
    EXPECT_EQ(gelesen[2].Stufen(), FarbStufen(0xFFFFFFFF));
}

TEST(Objektdatei, CatalogueDefaultsAreWrittenAsTheKnownLine)
{
    const tTypenliste typen;
    const t3DTyp& typ = typen[static_cast<std::size_t>(typen.TypSuchen("Funktion3d"))];
    t3DObjekt o = Objekt(typ.Name, 16776960, true, {});  // aqua
    o.Parameter = typ.ParWert;
    o.Vor = true;
    EXPECT_EQ(ObjektlisteText(Liste({o})), Kopf + "16776960|1|Funktion3d|x+y|-4|4|-4|4|20|20|1|1|||||||||||\r\n");
    EXPECT_EQ(ObjektlisteText(tObjektliste{}), Kopf);
}

TEST(Objektdatei, HandWrittenLinesFillWhatTheyHold)
{
    const std::string zwanzig = "|a|b|c|d|e|f|g|h|i|j|k|l|m|n|o|p|q|r|s|t";
    const struct {
        std::string zeile;
        t3DObjekt objekt;
    } faelle[] = {
        {"255|x|Kugel", Objekt("Kugel", 255, true, {})},
        {"255|0|Kugel|1|2", Objekt("Kugel", 255, false, {"1", "2"})},
        {"7", Objekt("", 7, true, {})},
        {"2147483647||T", Objekt("T", 0x7FFFFFFF, true, {})},  // an empty mark counts as set
        {"-2147483648|00|T", Objekt("T", 0x80000000, true, {})},
        {"-1|0|T", Objekt("T", 0xFFFFFFFF, false, {})},
        {" +255\t|1|T", Objekt("T", 255, true, {})},
        {"1|1|T|a|||b|", Objekt("T", 1, true, {"a", "", "", "b"})},  // no field after the last separator
        {"1|1|T" + zwanzig + "|", Objekt("T", 1, true, {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j",
                                                        "k", "l", "m", "n", "o", "p", "q", "r", "s", "t"})},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.zeile);
        const tObjektliste liste = ObjektlisteLesen(Kopf + f.zeile + "\r\n");
        ASSERT_EQ(liste.ObjektAnzahl(), 1);
        EXPECT_EQ(liste[1], f.objekt);
    }
}

TEST(Objektdatei, HeaderDecidesWhetherAFileIsAList)
{
    for (const std::string& leer :
         {Kopf, std::string("Objektliste zu Orbisto"), Kopf + "\r\n\n\r\r\n", "\xEF\xBB\xBF" + Kopf})
        EXPECT_EQ(ObjektlisteLesen(leer).ObjektAnzahl(), 0) << leer;

    for (const std::string& falsch :
         {std::string(), std::string("\r\n") + Kopf, std::string("objektliste zu Orbisto"),
          std::string("Objektliste zu Orbisto \r\n"), std::string(" Objektliste zu Orbisto"),
          std::string("Objektliste zu Orbisto\0\r\n", 25), std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)})
        EXPECT_EQ(Meldung(falsch), "Abbruch: Datei ist keine Objektliste zu Orbisto") << falsch;
}

TEST(Objektdatei, MalformedFilesAreRefusedNamingTheLine)
{
    std::string einundfuenfzig = Kopf;
    for (int i = 0; i < 51; ++i)
        einundfuenfzig += "1|1|Kugel\r\n";
    const struct {
        std::string datei;
        std::string meldung;
    } faelle[] = {
        {Kopf + "1|1|A\r\nabc|1|Kugel\r\n", "Zeile 3: 'abc' ist kein gültiger Ganzzahlwert"},
        {Kopf + "1,5|1|Kugel", "Zeile 2: '1,5' ist kein gültiger Ganzzahlwert"},
        {Kopf + "$FF|1|Kugel", "Zeile 2: '$FF' ist kein gültiger Ganzzahlwert"},
        {Kopf + "-|1|Kugel", "Zeile 2: '-' ist kein gültiger Ganzzahlwert"},
        {Kopf + "|1|Kugel", "Zeile 2: '' ist kein gültiger Ganzzahlwert"},
        {Kopf + std::string(100, '7') + "x|1",
         "Zeile 2: '" + std::string(40, '7') + "…' ist kein gültiger Ganzzahlwert"},
        {"Objektliste zu Orbisto\n1|1|A\n\n2|1|B\n",
         "Zeile 3 ist leer; leere Zeilen sind nur am Ende der Datei erlaubt"},
        {"Objektliste zu Orbisto\r1|1|A\r2|1|B\r\rx",
         "Zeile 4 ist leer; leere Zeilen sind nur am Ende der Datei erlaubt"},
        {Kopf + "1|1|A|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|20|21", "Zeile 2 hat mehr als 20 Parameter"},
        {einundfuenfzig, "Zeile 52: Die Datei hat mehr als 50 Objekte; Orbisto fasst höchstens 50"},
        {Kopf + "1|1|A\r\n" + std::string("2|1|B\0|x\r\n", 10),
         "Zeile 3 enthält ein Nullzeichen; die Datei ist keine Textdatei"},
        {Kopf + "2147483648|1|A", "Zeile 2: Die Farbe '2147483648' liegt außerhalb von -2147483648 bis 2147483647"},
        {Kopf + "-2147483649|1|A", "Zeile 2: Die Farbe '-2147483649' liegt außerhalb von -2147483648 bis 2147483647"},
        {Kopf + "99999999999999999999999|1|A",
         "Zeile 2: Die Farbe '99999999999999999999999' liegt außerhalb von -2147483648 bis 2147483647"},
        {Kopf + std::string(ObjektdateiGroesseMax, ' '), "Die Datei ist zu groß für eine Objektliste (mehr als 16 MB)"},
        // One field of 10 MB froze the list grid; no formula comes near 64 KB.
        {Kopf + "1|1|Funktion3d|" + std::string(10 << 20, 'x'),
         "Zeile 2, Parameter 1: Der Text ist mit 10485760 Bytes zu lang; ein Feld einer Objektliste hat höchstens "
         "65536 Bytes"},
        {Kopf + "1|1|A\r\n1|1|" + std::string(FeldLaengeMax + 1, 'K'),
         "Zeile 3, Typname: Der Text ist mit 65537 Bytes zu lang; ein Feld einer Objektliste hat höchstens 65536 "
         "Bytes"},
        {Kopf + "1|1|Funktion3d|" + std::string(FeldLaengeMax, 'x'), "(read)"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Meldung(f.datei), f.meldung) << f.datei.substr(0, 200);
}

TEST(Objektdatei, TokenAbspaltenTakesTheTextUpToTheFirstSeparator)
{
    const struct {
        std::string rest;
        char trenner;
        std::string feld, danach;
    } faelle[] = {
        {"", '|', "", ""},    {"abc", '|', "abc", ""}, {"|abc", '|', "", "abc"},     {"a|b|c", '|', "a", "b|c"},
        {"a|", '|', "a", ""}, {"||", '|', "", "|"},    {"ab;c|d", ';', "ab", "c|d"}, {"äö|ü", '|', "äö", "ü"},
    };
    for (const auto& f : faelle) {
        std::string rest = f.rest;
        EXPECT_EQ(TokenAbspalten(rest, f.trenner), f.feld) << f.rest;
        EXPECT_EQ(rest, f.danach) << f.rest;
    }
}

TEST(Objektdatei, WrittenInWindows1252UnlessATextNeedsUtf8)
{
    const auto zeile = [](const std::string& p1, const std::string& p2) {
        return "0|1|T|" + p1 + "|" + p2 + std::string(18, '|') + "\r\n";
    };
    const struct {
        std::string p1, p2;
        std::string datei;
    } faelle[] = {
        {"Größe", "ä",
         Kopf + zeile("Gr\xF6\xDF"
                      "e",
                      "\xE4")},
        {"€ „x“", "", Kopf + zeile("\x80 \x84x\x93", "")},
        {"Größe", "x → y", Kopf + zeile("Größe", "x → y")},
        {"α", "", Kopf + zeile("α", "")},
        {"Ã¤", "", Kopf + zeile("Ã¤", "")},  // its Windows-1252 bytes C3 A4 would read as UTF-8 'ä'
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.p1 + " " + f.p2);
        const tObjektliste liste = Liste({Objekt("T", 0, true, {f.p1, f.p2})});
        EXPECT_EQ(ObjektlisteText(liste), f.datei);
        ExpectGleich(ObjektlisteLesen(f.datei), liste);
    }
}

TEST(Objektdatei, ForeignEncodingsAndLineEndsReadAlike)
{
    const tObjektliste soll = Liste({Objekt("Kugel", 255, true, {"Männer €"}), Objekt("T", 1, false, {"\xC2\x81"})});
    const std::string cp1252 = Kopf + "255|1|Kugel|M\xE4nner \x80" + std::string(19, '|') + "\r\n" + "1|0|T|\x81" +
                               std::string(19, '|') + "\r\n";
    ExpectGleich(ObjektlisteLesen(cp1252), soll);
    EXPECT_EQ(ObjektlisteText(ObjektlisteLesen(cp1252)), cp1252) << "every byte is written back as read";

    for (const std::string datei : {
             "Objektliste zu Orbisto\n255|1|Kugel|Männer €\n1|0|T|\xC2\x81\n",
             "Objektliste zu Orbisto\r255|1|Kugel|Männer €\r1|0|T|\xC2\x81",
             "Objektliste zu Orbisto\r\n255|1|Kugel|Männer €\n1|0|T|\xC2\x81\r\n\n",
             "\xEF\xBB\xBFObjektliste zu Orbisto\r\n255|1|Kugel|Männer €\r1|0|T|\xC2\x81\r\n",
         }) {
        SCOPED_TRACE(datei);
        ExpectGleich(ObjektlisteLesen(datei), soll);
    }
}

TEST(Objektdatei, WriterRefusesTextsThatWouldSplitTheEntry)
{
    const struct {
        t3DObjekt objekt;
        std::string meldung;
    } faelle[] = {
        {Objekt("T", 0, true, {"", "", "a|b"}),
         "Eintrag 2, Parameter 3: Das Zeichen '|' kann in einer Objektliste nicht gespeichert werden"},
        {Objekt("T|U", 0, true, {}),
         "Eintrag 2, Typname: Das Zeichen '|' kann in einer Objektliste nicht gespeichert werden"},
        {Objekt("T", 0, true, {"a\nb"}),
         "Eintrag 2, Parameter 1: Ein Zeilenumbruch kann in einer Objektliste nicht gespeichert werden"},
        {Objekt("T", 0, true, {"a\r"}),
         "Eintrag 2, Parameter 1: Ein Zeilenumbruch kann in einer Objektliste nicht gespeichert werden"},
        {Objekt("T", 0, true, {std::string("a\0", 2)}),
         "Eintrag 2, Parameter 1: Ein Nullzeichen kann in einer Objektliste nicht gespeichert werden"},
        {Objekt("T", 0, true, {"\xE4"}), "Eintrag 2, Parameter 1: Der Text ist kein gültiges UTF-8"},
        {Objekt("T", 0, true, {"", std::string(FeldLaengeMax + 1, 'x')}),
         "Eintrag 2, Parameter 2: Der Text ist mit 65537 Bytes zu lang; ein Feld einer Objektliste hat höchstens "
         "65536 Bytes"},
    };
    for (const auto& f : faelle) {
        try {
            ObjektlisteText(Liste({Objekt("Kugel", 0, true, {}), f.objekt}));
            ADD_FAILURE() << f.meldung;
        } catch (const ObjektdateiFehler& e) {
            EXPECT_EQ(std::string(e.what()), f.meldung);
        }
    }
}

class ObjektdateiAufPlatte : public ::testing::Test {
protected:
    void SetUp() override
    {
        ordner = fs::temp_directory_path() / ("orbisto-objektdatei-" + std::to_string(::getpid()) + "-" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(ordner);
        fs::create_directories(ordner);
    }
    void TearDown() override { fs::remove_all(ordner); }

    static std::string Inhalt(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void Schreiben(const fs::path& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; }
    std::vector<fs::path> Dateien() const
    {
        std::vector<fs::path> namen;
        for (const auto& e : fs::directory_iterator(ordner))
            namen.push_back(e.path().filename());
        std::sort(namen.begin(), namen.end());
        return namen;
    }
    static std::string Utf8(const fs::path& p)
    {
        const std::u8string s = p.u8string();
        return {s.begin(), s.end()};
    }

    fs::path ordner;
    const tObjektliste liste = Liste({Objekt("Kugel", 255, true, {"1", "ä"}), Objekt("Punkt", 0xFF00, false, {"2"})});
};

TEST_F(ObjektdateiAufPlatte, SaveReplacesTheFileAndLeavesNothingElse)
{
    const fs::path datei = ordner / u8"Übung Ä.o3d";
    Schreiben(datei, "eine alte, längere Datei, die ganz ersetzt werden muss\r\n" + std::string(1000, 'x'));
    const fs::perms privat = fs::perms::owner_read | fs::perms::owner_write;
    fs::permissions(datei, privat);
    ObjektlisteSpeichern(Utf8(datei), liste);
    EXPECT_EQ(Inhalt(datei), ObjektlisteText(liste));
    EXPECT_EQ(Dateien(), std::vector<fs::path>{datei.filename()});
    EXPECT_EQ(fs::status(datei).permissions(), privat) << "a private list stays private";
    ExpectGleich(ObjektlisteLaden(Utf8(datei)), liste);
}

TEST_F(ObjektdateiAufPlatte, SaveThroughALinkKeepsTheLink)
{
    const fs::path datei = ordner / "liste.o3d", link = ordner / "link.o3d";
    Schreiben(datei, "alt");
    fs::create_symlink(datei.filename(), link);
    ObjektlisteSpeichern(Utf8(link), liste);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Inhalt(datei), ObjektlisteText(liste));
    EXPECT_EQ(Dateien(), (std::vector<fs::path>{"link.o3d", "liste.o3d"}));
}

TEST_F(ObjektdateiAufPlatte, FailedSaveKeepsWhatWasThere)
{
    const fs::path datei = ordner / "liste.o3d";
    Schreiben(datei, "alt");
    fs::create_directory(ordner / "verzeichnis.o3d");
    const struct {
        fs::path ziel;
        tObjektliste liste;
        std::string meldung;
    } faelle[] = {
        {ordner / "fehlt" / "liste.o3d", liste, "Datei oder Verzeichnis nicht gefunden"},
        {ordner / "verzeichnis.o3d", liste, "Das ist ein Verzeichnis"},
        {datei, Liste({Objekt("T", 0, true, {"a|b"})}), "Das Zeichen '|'"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.ziel);
        try {
            ObjektlisteSpeichern(Utf8(f.ziel), f.liste);
            ADD_FAILURE() << "saved";
        } catch (const ObjektdateiFehler& e) {
            const std::string meldung = e.what();
            EXPECT_NE(meldung.find(f.meldung), std::string::npos) << meldung;
            if (f.ziel != datei) {
                EXPECT_NE(meldung.find("„" + Utf8(f.ziel) + "“"), std::string::npos) << meldung;
            }
        }
        EXPECT_EQ(Inhalt(datei), "alt");
        EXPECT_EQ(Dateien(), (std::vector<fs::path>{"liste.o3d", "verzeichnis.o3d"}));
    }
}

TEST_F(ObjektdateiAufPlatte, LoadNamesAFileItCannotRead)
{
    for (const fs::path& p : {ordner / "fehlt.o3d", ordner}) {
        try {
            ObjektlisteLaden(Utf8(p));
            ADD_FAILURE() << p;
        } catch (const ObjektdateiFehler& e) {
            EXPECT_NE(std::string(e.what()).find("„" + Utf8(p) + "“ konnte nicht gelesen werden"), std::string::npos)
                << e.what();
        }
    }
}

}  // namespace
