// The render pass at 800 x 800 in a headless context, multisampled like the window's picture,
// against a floor that draws the same picture with the least work the application could ask
// of GL.
//
// <Case>/Zeichnen: one pass of Zeichnen, turning the view about z per iteration by the case's
// step (1 degree; 30 for the 200 x 200 surface, whose captures are large) as when rotating,
// and glFinish, so that the rasteriser's work (llvmpipe runs it on threads of its own) is
// inside the wall time.
//
// <Case>/Floor: for each view of the turn the pass is run once beforehand in feedback mode,
// which yields what reached the rasteriser after transformation, clipping and culling:
// points, lines and polygons in window coordinates with colours, and one raster position per
// glyph bitmap. To know which glyph it was, the capture pass gets glyph lists that emit a
// pass-through token with the code and then call the real glyph list. An iteration replays
// the capture of the angle the pass would draw: the same clear, then the primitives in their
// original order from one client-side vertex array (consecutive primitives of one kind in one
// glDrawArrays; polygons as triangle fans split into triangles) under an orthographic
// projection that maps window coordinates onto themselves (depth included), and each glyph as
// glWindowPos plus a call of the real glyph list, so the bitmaps are the same pixel work (one
// raster position per glyph where the pass sets one per text: a few calls more, not less).
// What remains above the floor is the cost of issuing the pass: transformation, immediate
// mode calls, text encoding, state set-up. The replayed picture is compared with the pass's
// own picture; diff_px says how many pixels differ (edge rounding, fan diagonals).
//
// <Case>/Formeln (cases with objects): the formula evaluations of one pass alone, in the
// engines the pass uses; "evaluations" counts them. Its time over the pass's is the share
// of a pass spent evaluating formulas.
//
// Cases: DefaultView and AllOn (the coordinate system alone, default and every switch on);
// Surface (the default z = f(x,y) object), Surface200 (sin(x)*cos(y) in 200 x 200 cells with
// grid and surface), AllTypes (one object of each of the fifteen types with its defaults),
// SphereAtLimit and SurfaceAtLimit (a sphere with grid and faces, and sin(x)*cos(y), each
// with the most steps the work limit of one object allows);
// the scene "Ebene Wellen", which redraws on every tick of its timer (100 ms by default) and
// compiles its formula on every pass: WavesLinear (its start settings), WavesInterference
// ("P1 + P2 (Interferenz)" with grid and surface) and WavesLargest (the same over the largest
// field the window allows, -30 ... 30, in cells of 0,25) and WavesFinest (that field at
// the finest setting, 1/40, whose 2413 x 2413 points the scene draws in cells as wide as
// keep it within the work one object may cost);
// the other animated scenes at the heaviest settings their windows allow, mid-animation:
// Rotation ("Winkel- und Bahngeschwindigkeit", accelerated, omega 5, r 5; 20 ms a tick),
// LongitudinalLargest (the chain running on to 24 in 100 spaces), MembraneLargest ("Stehende
// Kreis - Welle": the swinging membrane of order 7 with web, circles and surface in 100 x 100
// steps, its profile formula evaluated on every pass; 100 ms a tick by default),
// PotentialWellLargest ("Potentialtopf" in 3D with the most lattice steps its window allows,
// 51 x 51 x 51 balls; turned 90 degrees a step, so that its captures stay few),
// SunEarthMoon (all three bodies), Dominoes (plate, stones and arm) and Figures (every
// figure of "Figuren-Demonstration" with the long box). The ticks of these scenes run at the
// interval their windows set, at least 1 ms; a pass longer than the interval drops ticks
// (the timer never queues them).
//
// Time is wall time (the rasteriser's threads are not in the main thread's CPU time); the
// CPU column is the whole process's.

#define GL_GLEXT_PROTOTYPES

#include <benchmark/benchmark.h>

#include "core/speicher.h"
#include "core/zahltext.h"
#include "expr/exprfunction2v.h"
#include "expr/formelwert.h"
#include "objects/objektzeichnen.h"
#include "platform/glressourcen_anlegen.h"
#include "platform/guianwendung.h"
#include "platform/headlessgl.h"
#include "programm/programm.h"
#include "programm/zeichnen.h"
#include "scenes/other/dominosteine.h"
#include "scenes/other/figurendemo.h"
#include "scenes/physics/ebenewellen.h"
#include "scenes/physics/longitudinalwelle.h"
#include "scenes/physics/potentialtopf.h"
#include "scenes/physics/sonneerdemond.h"
#include "scenes/physics/stehendekreiswelle.h"
#include "scenes/physics/winkelbahngeschw.h"
#include "view/glressourcen.h"
#include "view/schritte.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <initializer_list>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace orbisto;

constexpr int kBreite = 800, kHoehe = 800;
constexpr int kVollkreis = 360;

struct GuiAnwendung {
    GuiAnwendung()
    {
        // As the program does: a case then meets the same heap whatever case ran before it.
        FreienSpeicherBehalten();
        GuiAnwendungSicherstellen();
    }
};

// One context for every case; like the application it lives until the process ends.
struct Kontext {
    Kontext() : gl(kBreite, kHoehe, Kantenglaettung), ressourcen(GLRessourcenAnlegen())
    {
        renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
        // Capture glyph lists: a pass-through token with the code, then the real glyph.
        markiert.Quadrik = ressourcen.Quadrik;
        markiert.Schrift = ressourcen.Schrift;  // so the capture leaves out the same numbers
        markiert.FontBasis = glGenLists(256);
        if (markiert.FontBasis == 0)
            throw std::runtime_error("glGenLists failed");
        for (GLuint code = 0; code < 256; ++code) {
            glNewList(markiert.FontBasis + code, GL_COMPILE);
            glPassThrough(static_cast<GLfloat>(code));
            glCallList(ressourcen.FontBasis + code);
            glEndList();
        }
    }

    GuiAnwendung app;
    HeadlessGL gl;
    GLRessourcen ressourcen;
    GLRessourcen markiert;
    std::string renderer;
};

Kontext& Gl()
{
    static Kontext* k = new Kontext;
    k->gl.makeCurrent();
    return *k;
}

// --- Cases ------------------------------------------------------------------------------

using Einrichten = void (*)(Programm&);

void DefaultView(Programm&) {}

// One entry of each type with the defaults of the catalogue, drawn in Original-Modus.
t3DObjekt Vorgabe(const Programm& p, const std::string& typ, std::uint32_t farbe)
{
    t3DObjekt o;
    o.Typname = typ;
    o.Orig = true;
    o.Parameter = p.Typenliste[static_cast<std::size_t>(p.Typenliste.TypSuchen(typ))].ParWert;
    o.FarbeSetzen(farbe);
    return o;
}

void Surface(Programm& p) { p.Objektliste.ObjektAnhaengen(Vorgabe(p, "Funktion3d", 0xFFFF00)); }

void Surface200(Programm& p)
{
    t3DObjekt o = Vorgabe(p, "Funktion3d", 0xFFFF00);
    o.Parameter[0] = "sin(x)*cos(y)";
    o.Parameter[5] = o.Parameter[6] = "200";
    p.Objektliste.ObjektAnhaengen(o);
}

// The finest object of a type the work limit allows: its step parameters (1-based
// positions) lowered together from 400 until the object is within the limit.
void AmLimit(Programm& p, const std::string& typ, std::initializer_list<std::pair<std::size_t, const char*>> setzen,
             std::initializer_list<std::size_t> schritte)
{
    t3DObjekt o = Vorgabe(p, typ, 0xFFFF00);
    for (const auto& s : setzen)
        o.Parameter[s.first - 1] = s.second;
    for (int n = 400; n > 1; --n) {
        for (std::size_t k : schritte)
            o.Parameter[k - 1] = std::to_string(n);
        if (!AufwandPruefen(o))
            break;
    }
    p.Objektliste.ObjektAnhaengen(o);
}

void SphereAtLimit(Programm& p) { AmLimit(p, "Kugel", {{6, "1"}}, {7}); }
void SurfaceAtLimit(Programm& p) { AmLimit(p, "Funktion3d", {{1, "sin(x)*cos(y)"}}, {6, 7}); }

void AllTypes(Programm& p)
{
    std::uint32_t farbe = 0x30C0F0;
    for (std::size_t slot = 1; slot <= 15; ++slot) {
        p.Objektliste.ObjektAnhaengen(Vorgabe(p, p.Typenliste[slot].Name, farbe));
        farbe = (farbe * 7 + 0x123456) & 0xFFFFFF;
    }
}

void AllOn(Programm& p)
{
    TKoSys& k = p.KoSys;
    k.xyGitter = k.yzGitter = k.xzGitter = true;
    k.xyFlaeche = k.yzFlaeche = k.xzFlaeche = true;
    k.Raumgrenzen = true;
    k.AchsenZeichnung = k.AchsenEinteilung = k.AchsenEinheiten = k.AchsenNamen = true;
}

// The wave scene switched on with these settings, at a quarter period.
TEbeneWellen& Wellen(Programm& p, tEbeneWellenEinstellungen e)
{
    auto wellen = std::make_unique<TEbeneWellen>();
    TEbeneWellen& w = *wellen;
    e.Darstellung = true;
    w.EinstellungenAendern(e);
    for (int i = 0; i < e.PeriodendauerSchritte / 4; ++i)
        w.Takt();
    p.Szenen.Setzen(SzenenNr::EbeneWellen, std::move(wellen));
    return w;
}

void WavesLinear(Programm& p) { Wellen(p, TEbeneWellen::Startwerte); }

tEbeneWellenEinstellungen Interferenz()
{
    tEbeneWellenEinstellungen e;
    e.Anregung = tWellenAnregung::P1plus2;
    e.WellenGitter = e.WellenFlaeche = true;
    return e;
}

void WavesInterference(Programm& p) { Wellen(p, Interferenz()); }

// "P1 + P2 (Interferenz)" over the largest field the window allows, in cells of
// wellenlaenge / schritte.
void GroessteWellen(Programm& p, int wellenlaenge, int schritte)
{
    tEbeneWellenEinstellungen e = Interferenz();
    e.Feld = {-30, 30, -30, 30};
    e.Wellenlaenge = wellenlaenge;
    e.WellenlaengeSchritte = schritte;
    Wellen(p, e);
}

void WavesLargest(Programm& p) { GroessteWellen(p, 2, 8); }
void WavesFinest(Programm& p) { GroessteWellen(p, 1, 40); }

// A scene switched on with these settings and advanced by `takte` ticks, in its slot.
template <class Modell, class Einstellungen>
Modell& Szene(Programm& p, SzenenNr nr, const Einstellungen& e, int takte)
{
    auto szene = std::make_unique<Modell>();
    Modell& s = *szene;
    s.EinstellungenAendern(e);
    for (int i = 0; i < takte; ++i)
        s.Takt();
    p.Szenen.Setzen(nr, std::move(szene));
    return s;
}

void Rotation(Programm& p)
{
    tWinkelBahnGeschwEinstellungen e;
    e.Darstellung = e.Rotation = true;
    e.Art = tBewegungsArt::Beschleunigt;
    e.Winkelgeschw = 5;
    e.Radius = 5;
    Szene<TWinkelBahnGeschw>(p, SzenenNr::WinkelBahnGeschw, e, 7);
}

void LongitudinalLargest(Programm& p)
{
    tLongitudinalWelleEinstellungen e;
    e.LongitudinalWelle = true;
    e.Modus = tLongitudinalModus::FortschreitendUnendlich;
    e.Ordnung = 8;
    e.AmplitudeWert = 20;
    e.FktSchritte = 100;
    Szene<TLongitudinalWelle>(p, SzenenNr::LongitudinalWelle, e, 3);
}

tStehendeKreisWelleEinstellungen GroessteMembran()
{
    tStehendeKreisWelleEinstellungen e;
    e.StehendeWelle = true;
    e.Traeger = tWellenTraeger::Eben;
    e.Anzeige = tWellenAnzeige::Schwingung;
    e.Ordnung = 7;
    e.AmplitudeWert = 4;
    e.FunktionsGitter = e.RotationsGitter = e.FunktionsFlaeche = true;
    e.FktSchritte = e.RotSchritte = 100;
    return e;
}

void MembraneLargest(Programm& p) { Szene<TStehendeKreisWelle>(p, SzenenNr::StehendeKreisWelle, GroessteMembran(), 3); }

void SunEarthMoon(Programm& p)
{
    tSonneErdeMondEinstellungen e;
    e.Sonne = e.Erde = e.Mond = e.RotationDauerhaft = true;
    auto szene = std::make_unique<TSonneErdeMond>();
    szene->EinstellungenAendern(e);
    for (int i = 0; i < 40; ++i)
        szene->Schritt();
    p.Szenen.Setzen(SzenenNr::SonneErdeMond, std::move(szene));
}

void PotentialWellLargest(Programm& p)
{
    tPotentialtopfEinstellungen e;
    e.Potentialtopf = true;
    e.Dimension = tDimension::Raeumlich;
    e.KugelSchritte = 50;
    auto szene = std::make_unique<TPotentialtopf>();
    szene->EinstellungenAendern(e);
    p.Szenen.Setzen(SzenenNr::Potentialtopf, std::move(szene));
}

void Dominoes(Programm& p)
{
    auto szene = std::make_unique<TDominoSteine>();
    szene->EinstellungenAendern({true, true, true});
    for (int i = 0; i < 50; ++i)
        szene->Takt();
    p.Szenen.Setzen(SzenenNr::DominoSteine, std::move(szene));
}

void Figures(Programm& p)
{
    tFigurenDemoEinstellungen e;
    e.FluchtpunktQuader = e.TestWuerfel = e.Vollquader = e.EinWuerfel = e.EinWuerfelBewegung = true;
    auto szene = std::make_unique<TFigurenDemo>();
    szene->EinstellungenAendern(e, p.KoSys);
    for (int i = 0; i < 20; ++i) {
        szene->QuaderDrehen();
        szene->WuerfelBewegen();
    }
    p.Szenen.Setzen(SzenenNr::FigurenDemo, std::move(szene));
}

// --- Capture ----------------------------------------------------------------------------

struct Ecke {
    GLfloat x, y, z, r, g, b, a;
};

// Either a run of primitives of one kind in the vertex array, or one glyph.
struct Schritt {
    GLenum art;  // GL_POINTS, GL_LINES, GL_TRIANGLES, or GL_BITMAP for a glyph
    GLint erste = 0;
    GLsizei anzahl = 0;
    Ecke glyphe{};  // raster position and colour
    GLuint code = 0;
};

struct Aufnahme {
    std::vector<Ecke> ecken;
    std::vector<Schritt> schritte;
    std::size_t punkte = 0, linien = 0, dreiecke = 0, glyphen = 0;
};

// Runs the pass in feedback mode and returns the raw buffer.
std::vector<GLfloat> Rueckkopplung(Programm& p, const GLRessourcen& r)
{
    std::vector<GLfloat> puffer(1 << 16);
    while (true) {
        glFeedbackBuffer(static_cast<GLsizei>(puffer.size()), GL_3D_COLOR, puffer.data());
        glRenderMode(GL_FEEDBACK);
        Zeichnen(p, r, kBreite, kHoehe);
        const GLint benutzt = glRenderMode(GL_RENDER);
        if (benutzt >= 0) {
            puffer.resize(static_cast<std::size_t>(benutzt));
            return puffer;
        }
        puffer.resize(puffer.size() * 2);
    }
}

Aufnahme Aufnehmen(Programm& p, const GLRessourcen& markiert)
{
    const std::vector<GLfloat> f = Rueckkopplung(p, markiert);
    Aufnahme a;
    std::size_t i = 0;
    const auto ecke = [&] {
        if (i + 7 > f.size())
            throw std::runtime_error("feedback buffer ends inside a vertex");
        const Ecke e{f[i], f[i + 1], f[i + 2], f[i + 3], f[i + 4], f[i + 5], f[i + 6]};
        i += 7;
        return e;
    };
    const auto anhaengen = [&](GLenum art, std::initializer_list<Ecke> ecken) {
        if (a.schritte.empty() || a.schritte.back().art != art)
            a.schritte.push_back({art, static_cast<GLint>(a.ecken.size())});
        a.ecken.insert(a.ecken.end(), ecken);
        a.schritte.back().anzahl += static_cast<GLsizei>(ecken.size());
    };
    GLuint code = 0;
    while (i < f.size()) {
        const auto token = static_cast<GLenum>(f[i++]);
        switch (token) {
        case GL_PASS_THROUGH_TOKEN: code = static_cast<GLuint>(f[i++]); break;
        case GL_POINT_TOKEN:
            anhaengen(GL_POINTS, {ecke()});
            ++a.punkte;
            break;
        case GL_LINE_TOKEN:
        case GL_LINE_RESET_TOKEN: {
            const Ecke e1 = ecke(), e2 = ecke();
            anhaengen(GL_LINES, {e1, e2});
            ++a.linien;
            break;
        }
        case GL_POLYGON_TOKEN: {
            const auto n = static_cast<int>(f[i++]);
            std::vector<Ecke> ecken;
            for (int j = 0; j < n; ++j)
                ecken.push_back(ecke());
            for (int j = 1; j + 1 < n; ++j) {
                anhaengen(GL_TRIANGLES, {ecken[0], ecken[j], ecken[j + 1]});
                ++a.dreiecke;
            }
            break;
        }
        case GL_BITMAP_TOKEN: {
            Schritt s{GL_BITMAP};
            s.glyphe = ecke();
            s.code = code;
            a.schritte.push_back(s);
            ++a.glyphen;
            break;
        }
        default: throw std::runtime_error("unexpected feedback token " + std::to_string(token));
        }
    }
    return a;
}

// A case: what the program holds, and how many degrees the view turns per iteration (the
// floor keeps one capture per view, which for the largest pictures must stay few). A case
// without floor is one whose replay cannot stand for the pass: a steep wave in cells of a
// pixel or less has so many grid lines on faces that the replayed depths settle their ties
// apart from the pass's in over 1 % of the pixels.
struct Fall {
    const char* name;
    Einrichten einrichten;
    int grad;
    bool mitBoden = true;
    int Ansichten() const { return kVollkreis / grad; }
};

// View i of a case: the default angle turned about z by i steps.
const double kStartwinkel = TKoSys{}.zDrehung;
void Winkel(Programm& p, const Fall& fall, int i) { p.KoSys.zDrehung = kStartwinkel + i * fall.grad; }

const std::vector<Aufnahme>& Aufnahmen(const Fall& fall)
{
    static std::map<const Fall*, std::vector<Aufnahme>> alle;
    std::vector<Aufnahme>& a = alle[&fall];
    if (a.empty()) {
        Kontext& k = Gl();
        Programm p;
        fall.einrichten(p);
        for (int i = 0; i < fall.Ansichten(); ++i) {
            Winkel(p, fall, i);
            a.push_back(Aufnehmen(p, k.markiert));
        }
    }
    return a;
}

// --- Replay -----------------------------------------------------------------------------

void Abspielen(const Aufnahme& a, const Programm& p, const GLRessourcen& r)
{
    BildLoeschen(p.KoSys, kBreite, kHoehe);  // the pass's own clear

    // Window coordinates onto themselves: x, y by the viewport, depth z in [0, 1] to
    // normalised 2z - 1, which the depth range maps back to z.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, kBreite, 0, kHoehe, 0, -1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // Culling has happened already; window coordinates keep the winding, but be sure.
    glDisable(GL_CULL_FACE);

    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(3, GL_FLOAT, sizeof(Ecke), &a.ecken.data()->x);
    glColorPointer(4, GL_FLOAT, sizeof(Ecke), &a.ecken.data()->r);
    for (const Schritt& s : a.schritte) {
        if (s.art != GL_BITMAP) {
            glDrawArrays(s.art, s.erste, s.anzahl);
            continue;
        }
        // glWindowPos takes the current colour as raster colour.
        glColor4f(s.glyphe.r, s.glyphe.g, s.glyphe.b, s.glyphe.a);
        glWindowPos3f(s.glyphe.x, s.glyphe.y, s.glyphe.z);
        glCallList(r.FontBasis + s.code);
    }
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glEnable(GL_CULL_FACE);
}

std::size_t Abweichung(const std::vector<std::uint8_t>& p, const std::vector<std::uint8_t>& q)
{
    std::size_t n = 0;
    for (std::size_t i = 0; i + 3 < p.size(); i += 4)
        n += !std::equal(&p[i], &p[i] + 3, &q[i]);
    return n;
}

// --- Benchmarks -------------------------------------------------------------------------

// CPU time of the calling thread in ms. The part of a pass that issues the GL calls runs
// here, before the rasteriser's threads get the frame; main_ms shows how big it is.
double HauptfadenMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void HauptfadenZaehlen(benchmark::State& state, double start)
{
    state.counters["main_ms"] = benchmark::Counter(HauptfadenMs() - start, benchmark::Counter::kAvgIterations);
}

void PassBench(benchmark::State& state, const Fall* fall)
{
    Kontext& k = Gl();
    Programm p;
    fall->einrichten(p);
    const double hauptfaden = HauptfadenMs();
    for (auto _ : state) {
        Zeichnen(p, k.ressourcen, kBreite, kHoehe);
        glFinish();
        p.KoSys.zDrehung += fall->grad;
    }
    HauptfadenZaehlen(state, hauptfaden);
    state.SetLabel(k.renderer);
}

void FloorBench(benchmark::State& state, const Fall* fall)
{
    Kontext& k = Gl();
    const std::vector<Aufnahme>& aufnahmen = Aufnahmen(*fall);
    const int ansichten = fall->Ansichten();
    Programm p;
    fall->einrichten(p);

    // The replay must show what the pass shows, else it is no floor of it. Up to 1 % of the
    // pixels may differ: where grid lines lie on the faces they border, the depth test
    // settles the ties between the replayed window depths and the pass's own differently.
    std::size_t abweichung = 0;
    for (int i = 0; i < ansichten; i += std::max(1, ansichten / 4)) {
        Winkel(p, *fall, i);
        Zeichnen(p, k.ressourcen, kBreite, kHoehe);
        const std::vector<std::uint8_t> soll = k.gl.readPixels();
        Abspielen(aufnahmen[i], p, k.ressourcen);
        abweichung = std::max(abweichung, Abweichung(soll, k.gl.readPixels()));
    }
    if (abweichung > kBreite * kHoehe / 100) {
        state.SkipWithError(("the replay differs from the pass in " + std::to_string(abweichung) + " pixels").c_str());
        return;
    }

    int i = 0;
    const double hauptfaden = HauptfadenMs();
    for (auto _ : state) {
        Abspielen(aufnahmen[i], p, k.ressourcen);
        glFinish();
        i = (i + 1) % ansichten;
    }
    HauptfadenZaehlen(state, hauptfaden);

    Aufnahme summe;
    for (const Aufnahme& a : aufnahmen) {
        summe.linien += a.linien;
        summe.dreiecke += a.dreiecke;
        summe.punkte += a.punkte;
        summe.glyphen += a.glyphen;
    }
    state.counters["diff_px"] = static_cast<double>(abweichung);
    state.counters["lines"] = static_cast<double>(summe.linien) / ansichten;
    state.counters["triangles"] = static_cast<double>(summe.dreiecke) / ansichten;
    state.counters["glyphs"] = static_cast<double>(summe.glyphen) / ansichten;
    if (summe.punkte)
        state.counters["points"] = static_cast<double>(summe.punkte) / ansichten;
}

// --- Formula work alone -------------------------------------------------------------------

// Every formula evaluation the list's entries make in one pass, in the engines the pass
// uses, without drawing: a surface is compiled and evaluated once at each point of its
// grid (positions accumulated the same way); profiles of
// solids of revolution and the tubes of circle rims are evaluated by the text evaluator
// as often as their parts ask. Returns the number of evaluations.
long Formelarbeit(const Programm& p, long double& summe)
{
    using schritte::SchritteBis;
    long n = 0;
    for (std::int32_t i = 1; i <= p.Objektliste.ObjektAnzahl(); ++i) {
        const t3DObjekt& o = p.Objektliste[i];
        if (!o.Orig)
            continue;
        const auto& P = o.Parameter;
        if (o.Typname == "Funktion3d") {
            // Once at every point of the grid, which the lines and cells share.
            if (!SchalterWert(P[7]) && !SchalterWert(P[8]))
                continue;
            const IExprFunction2V fn = NewFunction2V(P[0], "x", "y");
            const int nx = GanzzahlWert(P[5]), ny = GanzzahlWert(P[6]);
            const double xmin = ZahlWert(P[1]), xmax = ZahlWert(P[2]), ymin = ZahlWert(P[3]), ymax = ZahlWert(P[4]);
            SchritteBis(ymin, (ymax - ymin) / ny, ymax * 1.01, [&](double y) {
                SchritteBis(xmin, (xmax - xmin) / nx, xmax * 1.01, [&](double x) {
                    ++n;
                    summe += fn->Eval(x, y);
                });
            });
        } else if (o.Typname == "Rotationskoerper") {
            const int scheiben = GanzzahlWert(P[3]);
            // Both ends of every slice for the surface, the curve and the curve grid, one
            // value per circle of latitude, the left ends for the cylinders.
            const int teile = 2 * (SchalterWert(P[8]) + SchalterWert(P[5]) + SchalterWert(P[6])) * scheiben +
                              SchalterWert(P[7]) * (scheiben + 1) + SchalterWert(P[9]) * 2 * scheiben;
            const double xmin = ZahlWert(P[1]), xmax = ZahlWert(P[2]);
            for (int k = 0; k < teile; ++k, ++n)
                summe += FormelWert(P[0], xmin + (xmax - xmin) * k / teile);
        } else if (o.Typname == "KreisMNF" && ZahlWert(P[7]) != 0) {
            // The rim as a tube: two halves of 20 pieces, both ends of each.
            const std::string r = ZahlText(ZahlWert(P[7])), R = ZahlText(ZahlWert(P[6]));
            for (const std::string& profil : {"sqrt((" + r + ")^2-(x)^2)+" + R, "-sqrt((" + r + ")^2-(x)^2)+" + R})
                for (int k = 0; k < 40; ++k, ++n)
                    summe += FormelWert(profil, ZahlWert(P[7]) * (k / 20.0 - 1));
        }
    }
    return n;
}

// The wave scene's formula work in one pass: each chosen wave compiled, evaluated where its
// exciter or source stands (the summed wave only for its balls, which are off here) and, for
// grid or surface, once at every point of the field.
long Wellenarbeit(const Programm& p, long double& summe)
{
    using schritte::SchritteBis;
    const auto* w = dynamic_cast<const TEbeneWellen*>(p.Szenen.Holen(SzenenNr::EbeneWellen));
    if (w == nullptr || !w->Einstellungen().Darstellung)
        return 0;
    const tEbeneWellenEinstellungen& e = w->Einstellungen();
    long n = 0;
    const auto welle = [&](tWelle art, int quellen) {
        const IExprFunction2V fn = NewFunction2V(w->Formel(art), "x", "y");
        for (int q = 0; q < quellen; ++q, ++n)
            summe += fn->Eval(e.WAxpos, q * e.WAypos);
        if (!e.WellenGitter && !e.WellenFlaeche)
            return;
        const double d = w->Zellweite();
        SchritteBis(e.Feld.ymin, d, 1.01 * e.Feld.ymax, [&](double y) {
            SchritteBis(e.Feld.xmin, d, 1.01 * e.Feld.xmax, [&](double x) {
                ++n;
                summe += fn->Eval(x, y);
            });
        });
    };
    if (w->WAlinear())
        welle(tWelle::Linear, 1);
    if (w->WAP1())
        welle(tWelle::P1, 1);
    if (w->WAP2())
        welle(tWelle::P2, 1);
    if (w->WAP1plus2())
        welle(tWelle::P1plus2, 0);
    return n;
}

// The membrane's formula work in one pass: each shape's profile, one evaluation per radius,
// which web, circles and surface share.
long Membranarbeit(const Programm& p, long double& summe)
{
    const auto* w = dynamic_cast<const TStehendeKreisWelle*>(p.Szenen.Holen(SzenenNr::StehendeKreisWelle));
    if (w == nullptr || !w->Einstellungen().StehendeWelle)
        return 0;
    long n = 0;
    for (const std::string& formel : w->Formeln()) {
        const TKoSys::tMembranProfil profil = TKoSys::MembranProfil(formel, w->Einstellungen().FktSchritte, 4);
        for (double z : profil.z)
            summe += z;
        n += static_cast<long>(profil.z.size());
    }
    return n;
}

void FormelBench(benchmark::State& state, const Fall* fall)
{
    Programm p;
    fall->einrichten(p);
    long auswertungen = 0;
    for (auto _ : state) {
        long double summe = 0;
        auswertungen = Formelarbeit(p, summe) + Wellenarbeit(p, summe) + Membranarbeit(p, summe);
        benchmark::DoNotOptimize(summe);
    }
    state.counters["evaluations"] = static_cast<double>(auswertungen);
}

const Fall kFaelle[] = {
    {"DefaultView", DefaultView, 1},
    {"AllOn", AllOn, 1},
    {"Surface", Surface, 1},
    {"Surface200", Surface200, 30},
    {"AllTypes", AllTypes, 1},
    {"SphereAtLimit", SphereAtLimit, 30},
    {"SurfaceAtLimit", SurfaceAtLimit, 30},
    {"WavesLinear", WavesLinear, 1},
    {"WavesInterference", WavesInterference, 10},
    {"WavesLargest", WavesLargest, 30},
    {"WavesFinest", WavesFinest, 30, false},
    {"Rotation", Rotation, 1},
    {"LongitudinalLargest", LongitudinalLargest, 10},
    {"MembraneLargest", MembraneLargest, 30},
    {"SunEarthMoon", SunEarthMoon, 10},
    {"PotentialWellLargest", PotentialWellLargest, 90},
    {"Dominoes", Dominoes, 10},
    {"Figures", Figures, 10},
};

// Cases whose pass evaluates no formula.
bool OhneFormeln(const Fall& fall)
{
    for (Einrichten e :
         {DefaultView, AllOn, Rotation, LongitudinalLargest, PotentialWellLargest, SunEarthMoon, Dominoes, Figures})
        if (fall.einrichten == e)
            return true;
    return false;
}

int Register()
{
    for (const Fall& fall : kFaelle) {
        const std::string n = fall.name;
        // The floor first: scripts/bench relates every variant to the first of its group.
        if (fall.mitBoden)
            benchmark::RegisterBenchmark((n + "/Floor").c_str(), FloorBench, &fall)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->MeasureProcessCPUTime();
        benchmark::RegisterBenchmark((n + "/Zeichnen").c_str(), PassBench, &fall)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->MeasureProcessCPUTime();
        if (!OhneFormeln(fall))
            benchmark::RegisterBenchmark((n + "/Formeln").c_str(), FormelBench, &fall)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->MeasureProcessCPUTime();
    }
    return 0;
}

const int registered = Register();

}  // namespace
