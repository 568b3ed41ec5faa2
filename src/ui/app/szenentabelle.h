#pragma once
// The one table of the ready-made scenes: for each scene its number (its place in the
// drawing order), its menu item in the main window and how its model and window are made.
// The rows stand in the order in which the windows are made at start-up.

#include "programm/programm.h"
#include "scenes/math/landung.h"
#include "scenes/math/lineareabh.h"
#include "scenes/math/spiegelungen.h"
#include "scenes/math/vektorebene.h"
#include "scenes/math/vektorgerade.h"
#include "scenes/math/vektorkreis.h"
#include "scenes/math/vektorkugel.h"
#include "scenes/math/vektorort.h"
#include "scenes/math/vektorspatprodukt.h"
#include "scenes/math/vektorverknuepfung.h"
#include "scenes/other/dominosteine.h"
#include "scenes/other/figurendemo.h"
#include "scenes/physics/ebenewellen.h"
#include "scenes/physics/longitudinalwelle.h"
#include "scenes/physics/potentialtopf.h"
#include "scenes/physics/sonneerdemond.h"
#include "scenes/physics/stehendekreiswelle.h"
#include "scenes/physics/winkelbahngeschw.h"
#include "scenes/physics/wurf.h"
#include "scenes/szenenliste.h"
#include "widgets/szenenform.h"
#include "windows/scenes/math/bewegungmatrizen_form.h"
#include "windows/scenes/math/landung_form.h"
#include "windows/scenes/math/lineareabh_form.h"
#include "windows/scenes/math/quadernetz_form.h"
#include "windows/scenes/math/schnittge_form.h"
#include "windows/scenes/math/spiegelungen_form.h"
#include "windows/scenes/math/vektorebene_form.h"
#include "windows/scenes/math/vektorgerade_form.h"
#include "windows/scenes/math/vektorkreis_form.h"
#include "windows/scenes/math/vektorkugel_form.h"
#include "windows/scenes/math/vektorort_form.h"
#include "windows/scenes/math/vektorspatprodukt_form.h"
#include "windows/scenes/math/vektorverknuepfung_form.h"
#include "windows/scenes/other/dominosteine_form.h"
#include "windows/scenes/other/figurendemo_form.h"
#include "windows/scenes/physics/ebenewellen_form.h"
#include "windows/scenes/physics/longitudinalwelle_form.h"
#include "windows/scenes/physics/potentialtopf_form.h"
#include "windows/scenes/physics/sonneerdemond_form.h"
#include "windows/scenes/physics/stehendekreiswelle_form.h"
#include "windows/scenes/physics/winkelbahngeschw_form.h"
#include "windows/scenes/physics/wurf_form.h"

#include <array>
#include <memory>
#include <string_view>

namespace orbisto {

using SzenenFensterAnlegen = std::unique_ptr<TSzenenForm> (*)(const SzenenUmgebung& umgebung);

struct SzenenEintrag {
    SzenenNr nr;
    std::string_view menue;  // objectName of the menu item that shows the window
    SzenenFensterAnlegen anlegen;
};

// Makes a scene's model, installs it in the drawing order and makes its window on it, so the
// window holds its own model type and never has to cast.
template <SzenenNr Nr, class Modell, class Form>
std::unique_ptr<TSzenenForm> SzeneAnlegen(const SzenenUmgebung& umgebung)
{
    auto modell = std::make_unique<Modell>();
    Modell& eigenes = *modell;
    umgebung.programm.Szenen.Setzen(Nr, std::move(modell));
    return std::make_unique<Form>(umgebung, eigenes);
}

inline constexpr std::array<SzenenEintrag, SzenenAnzahl> SzenenTabelle{{
    {SzenenNr::Spiegelungen, "SpiegelungMen", &SzeneAnlegen<SzenenNr::Spiegelungen, TSpiegelungen, TSpiegelungenForm>},
    {SzenenNr::BewegungMatrizen, "BewegungMatrizenMen",
     &SzeneAnlegen<SzenenNr::BewegungMatrizen, TBewegungMatrizen, TBewegungMatrizenForm>},
    {SzenenNr::VektorVerknuepfung, "VektorVerknuepfungMen",
     &SzeneAnlegen<SzenenNr::VektorVerknuepfung, TVektorVerknuepfung, TVektorVerknuepfungForm>},
    {SzenenNr::LineareAbh, "LineareAbhMen", &SzeneAnlegen<SzenenNr::LineareAbh, TLineareAbh, TLineareAbhForm>},
    {SzenenNr::SchnittGE, "SchnittGEMen", &SzeneAnlegen<SzenenNr::SchnittGE, TSchnittGE, TSchnittGEForm>},
    {SzenenNr::VektorEbene, "VektorEbeneMen", &SzeneAnlegen<SzenenNr::VektorEbene, TVektorEbene, TVektorEbeneForm>},
    {SzenenNr::VektorGerade, "VektorGeradeMen",
     &SzeneAnlegen<SzenenNr::VektorGerade, TVektorGerade, TVektorGeradeForm>},
    {SzenenNr::VektorKreis, "VektorKreisMen", &SzeneAnlegen<SzenenNr::VektorKreis, TVektorKreis, TVektorKreisForm>},
    {SzenenNr::VektorKugel, "VektorKugelMen", &SzeneAnlegen<SzenenNr::VektorKugel, TVektorKugel, TVektorKugelForm>},
    {SzenenNr::VektorOrt, "VektorOrtMen", &SzeneAnlegen<SzenenNr::VektorOrt, TVektorOrt, TVektorOrtForm>},
    {SzenenNr::VektorSpatprodukt, "VektorSpatproduktMen",
     &SzeneAnlegen<SzenenNr::VektorSpatprodukt, TVektorSpatprodukt, TVektorSpatproduktForm>},
    {SzenenNr::QuaderNetz, "QuaderNetzMen", &SzeneAnlegen<SzenenNr::QuaderNetz, TQuaderNetz, TQuaderNetzForm>},
    {SzenenNr::Wurf, "WurfMen", &SzeneAnlegen<SzenenNr::Wurf, TWurf, TWurfForm>},
    {SzenenNr::EbeneWellen, "EbeneWellenMen", &SzeneAnlegen<SzenenNr::EbeneWellen, TEbeneWellen, TEbeneWellenForm>},
    {SzenenNr::LongitudinalWelle, "LongitudinalWelleMen",
     &SzeneAnlegen<SzenenNr::LongitudinalWelle, TLongitudinalWelle, TLongitudinalWelleForm>},
    {SzenenNr::Potentialtopf, "PotentialtopfMen",
     &SzeneAnlegen<SzenenNr::Potentialtopf, TPotentialtopf, TPotentialtopfForm>},
    {SzenenNr::SonneErdeMond, "SonneErdeMondMen",
     &SzeneAnlegen<SzenenNr::SonneErdeMond, TSonneErdeMond, TSonneErdeMondForm>},
    {SzenenNr::StehendeKreisWelle, "StehendeKreisWelleMen",
     &SzeneAnlegen<SzenenNr::StehendeKreisWelle, TStehendeKreisWelle, TStehendeKreisWelleForm>},
    {SzenenNr::WinkelBahnGeschw, "WinkelBahngeschwMen",
     &SzeneAnlegen<SzenenNr::WinkelBahnGeschw, TWinkelBahnGeschw, TWinkelBahnGeschwForm>},
    {SzenenNr::Landung, "LandungMen", &SzeneAnlegen<SzenenNr::Landung, TLandung, TLandungForm>},
    {SzenenNr::DominoSteine, "DominoSteineMen",
     &SzeneAnlegen<SzenenNr::DominoSteine, TDominoSteine, TDominoSteineForm>},
    {SzenenNr::FigurenDemo, "FigurenDemoMen", &SzeneAnlegen<SzenenNr::FigurenDemo, TFigurenDemo, TFigurenDemoForm>},
}};

// Every scene exactly once.
consteval bool JedeSzeneEinmal()
{
    std::array<int, SzenenAnzahl> gesehen{};
    for (const SzenenEintrag& e : SzenenTabelle)
        ++gesehen[static_cast<std::size_t>(e.nr)];
    for (int n : gesehen)
        if (n != 1)
            return false;
    return true;
}
static_assert(JedeSzeneEinmal(), "every scene has exactly one row in the scene table");

// Every scene has its window.
consteval bool JedeSzeneMitFenster()
{
    for (const SzenenEintrag& e : SzenenTabelle)
        if (!e.anlegen)
            return false;
    return true;
}
static_assert(JedeSzeneMitFenster(), "every scene in the scene table has a window");

}  // namespace orbisto
