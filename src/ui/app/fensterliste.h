#pragma once
// The windows beside the main window, made once at start-up in their fixed order (the
// projection settings, the test window, the info dialog, the help window, then the scenes)
// and kept until the program ends; only the main window is shown at first. Each menu item
// shows its window; an item whose scene has no window yet is greyed out.

#include "scenes/szenenliste.h"
#include "widgets/szenenform.h"

#include <array>

namespace orbisto {

class TEinstellungenForm;
class THtmlHilfeForm;
class TInfoForm;
class TOrbisto2013Form;
class TTestMemoForm;

class TFensterliste {
public:
    TFensterliste(Programm& programm, TOrbisto2013Form& hauptfenster);

    // The main window owns every window of the list.
    TEinstellungenForm* Einstellungen() const { return einstellungen_; }
    TTestMemoForm* TestMemo() const { return testMemo_; }
    TInfoForm* Info() const { return info_; }
    THtmlHilfeForm* HtmlHilfe() const { return htmlHilfe_; }
    // The window of a scene, null while the scene has none.
    TSzenenForm* Szene(SzenenNr nr) const { return szenen_[static_cast<std::size_t>(nr)]; }

private:
    TEinstellungenForm* einstellungen_ = nullptr;
    TTestMemoForm* testMemo_ = nullptr;
    TInfoForm* info_ = nullptr;
    THtmlHilfeForm* htmlHilfe_ = nullptr;
    std::array<TSzenenForm*, SzenenAnzahl> szenen_{};
};

}  // namespace orbisto
