#include "app/kommandozeile.h"

#include "app/sprache.h"
#include "core/allgemeinerfehler.h"
#include "core/fehlertext.h"
#include "objects/objektdatei.h"
#include "platform/bilddatei.h"
#include "platform/bildzeichner.h"
#include "programm/programm.h"
#include "widgets/dateinamen.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace orbisto {

namespace {

constexpr const char* Version = ORBISTO_VERSION;

// A wrong call, told with a hint to --help.
class Aufruffehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

void Ausgeben(std::FILE* ziel, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.constData(), 1, static_cast<std::size_t>(utf8.size()), ziel);
    std::fflush(ziel);
}

std::string Zitiert(std::string_view bytes) { return "„" + std::string(bytes) + "“"; }
std::string Zitiert(const QString& text) { return Zitiert(text.toStdString()); }

// The arguments as the parser takes them: as DateinameText, so that a file name that is
// not UTF-8 keeps its bytes.
QStringList Argumente(int argc, char* argv[])
{
    QStringList argumente;
    for (int i = 0; i < argc; ++i)
        argumente.append(DateinameText(argv[i]));
    return argumente;
}

// One list and the picture made of it, as the file names' bytes.
struct Auftrag {
    std::string liste;
    std::string bild;
};

struct Bildauftraege {
    std::vector<Auftrag> auftraege;
    Bildtyp typ = Bildtyp::Png;
    QSize groesse = BildGroesseVorgabe;
};

std::optional<Bildtyp> BildtypAusName(const QString& name)
{
    const QString n = name.toLower();
    if (n == QLatin1String("png"))
        return Bildtyp::Png;
    if (n == QLatin1String("jpg") || n == QLatin1String("jpeg"))
        return Bildtyp::Jpeg;
    return std::nullopt;
}

// Which list goes into which file, decided and checked before anything is drawn.
Bildauftraege AuftraegePlanen(const QCommandLineParser& parser)
{
    Bildauftraege plan;
    const QStringList listen = parser.positionalArguments();
    if (listen.isEmpty())
        throw Aufruffehler("Keine Objektliste angegeben, z. B.: orbisto --bild bild.png liste.o3d");
    if (parser.isSet(QStringLiteral("groesse"))) {
        const QString text = parser.value(QStringLiteral("groesse"));
        const std::optional<QSize> groesse = BildGroesseLesen(text);
        if (!groesse)
            throw Aufruffehler(Zitiert(text) + " ist keine Bildgröße; erwartet wird Breite x Höhe in Pixeln, z. B. " +
                               "1200x900, jede Seite 1 bis " + std::to_string(BildSeiteMax));
        plan.groesse = *groesse;
    }
    std::optional<Bildtyp> formatTyp;
    if (parser.isSet(QStringLiteral("format"))) {
        const QString name = parser.value(QStringLiteral("format"));
        formatTyp = BildtypAusName(name);
        if (!formatTyp)
            throw Aufruffehler("Unbekannter Bildtyp " + Zitiert(name) + " für --format; möglich sind png und jpg");
    }

    namespace fs = std::filesystem;
    const std::string ziel = DateinameBytes(parser.value(QStringLiteral("bild")));
    std::error_code ec;
    if (!fs::is_directory(ziel, ec)) {
        if (listen.size() > 1)
            throw Aufruffehler(Zitiert(ziel) + " ist kein Ordner; bei mehreren Objektlisten nennt --bild den " +
                               "vorhandenen Ordner, in den die Bilder kommen");
        const std::optional<Bildtyp> typ = BildtypAusEndung(ziel);
        if (!typ)
            throw Aufruffehler("Unbekannter Bildtyp von " + Zitiert(ziel) + "; das Bild braucht die Endung .png, " +
                               ".jpg oder .jpeg");
        if (formatTyp && *formatTyp != *typ)
            throw Aufruffehler("Die Endung von " + Zitiert(ziel) + " passt nicht zu --format " +
                               parser.value(QStringLiteral("format")).toStdString());
        plan.typ = *typ;
        plan.auftraege.push_back({DateinameBytes(listen.constFirst()), ziel});
    } else {
        plan.typ = formatTyp.value_or(Bildtyp::Png);
        for (const QString& listenText : listen) {
            const std::string liste = DateinameBytes(listenText);
            const std::string bild =
                (fs::path(ziel) / fs::path(liste).stem()).string() + "." + std::string(BildtypEndung(plan.typ));
            for (const Auftrag& frueher : plan.auftraege)
                if (frueher.bild == bild)
                    throw Aufruffehler("Die Objektlisten " + Zitiert(frueher.liste) + " und " + Zitiert(liste) +
                                       " ergäben beide das Bild " + Zitiert(bild));
            plan.auftraege.push_back({liste, bild});
        }
    }
    // A list named like a picture ("a.png") must not be replaced by its own picture.
    for (const Auftrag& a : plan.auftraege)
        for (const Auftrag& b : plan.auftraege)
            if (fs::equivalent(a.bild, b.liste, ec))
                throw Aufruffehler("Das Bild " + Zitiert(a.bild) + " würde die Objektliste " + Zitiert(b.liste) +
                                   " ersetzen");
    return plan;
}

// A message about a list names the list, unless it does so already.
std::string MitListe(const std::string& liste, const std::string& meldung)
{
    if (meldung.find(liste) != std::string::npos)
        return meldung;
    return liste + ": " + meldung;
}

// Reads every list and draws every picture before the first file is written, so a bad
// list in the middle leaves no pictures of its predecessors behind either.
void BilderSchreiben(const Bildauftraege& plan)
{
    std::vector<tObjektliste> listen;
    for (const Auftrag& a : plan.auftraege) {
        try {
            listen.push_back(ObjektlisteLaden(a.liste));
        } catch (const std::exception& e) {
            throw AllgemeinerFehler(MitListe(a.liste, FehlerBeschreibung(e)));
        }
    }

    std::optional<Bildzeichner> zeichner;
    try {
        zeichner.emplace(plan.groesse.width(), plan.groesse.height());
    } catch (const std::exception& e) {
        throw AllgemeinerFehler("OpenGL steht für die Grafik nicht zur Verfügung (" + FehlerBeschreibung(e) + ")");
    }
    std::vector<std::string> bilder;
    for (std::size_t i = 0; i < listen.size(); ++i) {
        try {
            Programm programm;  // the view as the window starts with it, Original-Modus
            programm.Objektliste = listen[i];
            bilder.push_back(BildKodieren(zeichner->Zeichnen(programm), plan.typ));
        } catch (const std::exception& e) {
            throw AllgemeinerFehler(MitListe(plan.auftraege[i].liste, FehlerBeschreibung(e)));
        }
    }
    for (std::size_t i = 0; i < bilder.size(); ++i)
        BilddateiSchreiben(plan.auftraege[i].bild, bilder[i]);
}

}  // namespace

void AnwendungBenennen(QCoreApplication& app)
{
    app.setApplicationName(QStringLiteral("Orbisto"));
    app.setApplicationVersion(QString::fromLatin1(Version));
}

void OptionenEinrichten(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Orbisto: dreidimensionale Mathematik und Physik im Unterricht.\n"
                       "\n"
                       "Ohne --bild öffnet Orbisto sein Fenster mit der angegebenen Objektliste.\n"
                       "Mit --bild zeichnet es jede Objektliste in der Ausgangsansicht (Original-Modus)\n"
                       "in eine Bilddatei und endet, ganz ohne Fenster und Bildschirm:\n"
                       "  orbisto --bild bild.png liste.o3d\n"
                       "  orbisto --bild bilder --format jpg a.o3d b.o3d   (bilder/a.jpg, bilder/b.jpg)\n"
                       "\n"
                       "Ist eine der Objektlisten fehlerhaft, wird kein Bild geschrieben. Jedes Bild\n"
                       "wird ganz oder gar nicht geschrieben: misslingt es, bleibt eine vorhandene\n"
                       "Datei, wie sie war.\n"
                       "Rückgabewert: 0 bei Erfolg, 1 wenn ein Bild nicht entstehen konnte,\n"
                       "2 bei einem falschen Aufruf."));
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Zeigt diese Hilfe an.")});
    parser.addOption({{QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Zeigt die Version an.")});
    parser.addOption({QStringLiteral("bild"),
                      QStringLiteral("Schreibt das Bild der Objektliste in diese Datei (PNG oder JPEG, nach der "
                                     "Endung .png, .jpg oder .jpeg). Ist es ein vorhandener Ordner, bekommt jede "
                                     "Objektliste dort ein Bild mit ihrem Namen, z. B. liste.o3d → liste.png; "
                                     "bei mehreren Objektlisten muss es ein Ordner sein."),
                      QStringLiteral("datei|ordner")});
    parser.addOption({QStringLiteral("groesse"),
                      QStringLiteral("Größe des Bildes in Pixeln, Breite x Höhe (Vorgabe: %1x%2).")
                          .arg(BildGroesseVorgabe.width())
                          .arg(BildGroesseVorgabe.height()),
                      QStringLiteral("BxH")});
    parser.addOption({QStringLiteral("format"),
                      QStringLiteral("Bildtyp der Bilder in einem Ordner: png oder jpg (Vorgabe: png)."),
                      QStringLiteral("typ")});
    parser.addPositionalArgument(QStringLiteral("objektlisten"), QStringLiteral("Objektlisten (.o3d)."),
                                 QStringLiteral("[liste.o3d ...]"));
}

bool OhneFenster(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--")
            break;
        for (const std::string_view o : {"-h", "-?", "--help", "--help-all", "-v", "--version"})
            if (a == o)
                return true;
        for (const std::string_view o : {"--bild", "--groesse", "--format"})
            if (a.starts_with(o) && (a.size() == o.size() || a[o.size()] == '='))
                return true;
    }
    return false;
}

int OhneFensterAusfuehren(int argc, char* argv[])
{
    // Qt's own options go before the caller's, so that a platform the caller names wins.
    static char platform[] = "-platform";
    static char offscreen[] = "offscreen";
    std::vector<char*> args{argv[0], platform, offscreen};
    args.insert(args.end(), argv + 1, argv + argc);
    int anzahl = static_cast<int>(args.size());
    args.push_back(nullptr);
    // Qt's own notes (such as a missing runtime folder) are not for the caller; stderr carries
    // Orbisto's messages and Qt's real errors only.
    qInstallMessageHandler([](QtMsgType typ, const QMessageLogContext&, const QString& text) {
        if (typ == QtCriticalMsg || typ == QtFatalMsg)
            Ausgeben(stderr, text + '\n');
    });
    QGuiApplication app(anzahl, args.data());
    AnwendungBenennen(app);
    DeutschEinrichten(app);

    QCommandLineParser parser;
    OptionenEinrichten(parser);
    try {
        if (!parser.parse(Argumente(anzahl, args.data())))  // what Qt left of them
            throw Aufruffehler(parser.errorText().toStdString());
        if (parser.isSet(QStringLiteral("help"))) {
            Ausgeben(stdout, parser.helpText());
            return 0;
        }
        if (parser.isSet(QStringLiteral("version"))) {
            Ausgeben(stdout, QStringLiteral("Orbisto %1\n").arg(QString::fromLatin1(Version)));
            return 0;
        }
        if (!parser.isSet(QStringLiteral("bild")))
            throw Aufruffehler("--groesse und --format gelten nur zusammen mit --bild");
        BilderSchreiben(AuftraegePlanen(parser));
        return 0;
    } catch (const Aufruffehler& e) {
        Ausgeben(stderr, QStringLiteral("orbisto: %1\n„orbisto --help“ zeigt, wie Orbisto aufgerufen wird.\n")
                             .arg(QString::fromUtf8(e.what())));
        return 2;
    } catch (const std::exception& e) {
        Ausgeben(stderr, QStringLiteral("orbisto: %1\n").arg(QString::fromStdString(FehlerBeschreibung(e))));
        return 1;
    }
}

std::optional<QStringList> FensterArgumente(int argc, char* argv[])
{
    QCommandLineParser parser;
    OptionenEinrichten(parser);
    if (!parser.parse(Argumente(argc, argv))) {
        Ausgeben(stderr, QStringLiteral("orbisto: %1\n„orbisto --help“ zeigt, wie Orbisto aufgerufen wird.\n")
                             .arg(parser.errorText()));
        return std::nullopt;
    }
    return parser.positionalArguments();
}

std::optional<QSize> BildGroesseLesen(const QString& text)
{
    static const QRegularExpression muster(QStringLiteral("^\\s*(\\d{1,5})\\s*[xX×]\\s*(\\d{1,5})\\s*$"));
    const QRegularExpressionMatch m = muster.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QSize groesse(m.captured(1).toInt(), m.captured(2).toInt());
    if (groesse.width() < 1 || groesse.height() < 1 || groesse.width() > BildSeiteMax ||
        groesse.height() > BildSeiteMax)
        return std::nullopt;
    return groesse;
}

}  // namespace orbisto
