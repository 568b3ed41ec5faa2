#include "windows/scenes/math/vektorkugel_form.h"

#include "scenes/math/vektorkugel.h"
#include "ui_vektorkugel_form.h"
#include "widgets/spinedit_widget.h"

#include <array>
#include <utility>

namespace orbisto {

namespace {

// Each check box with the switch of the model it stands for.
using tSchalter = std::pair<QCheckBox*, bool tVektorKugelEinstellungen::*>;

std::array<tSchalter, 15> Schalter(const Ui::TVektorKugelForm& ui)
{
    using E = tVektorKugelEinstellungen;
    return {{{ui.KugelCheckBox, &E::Kugel},
             {ui.KugelLKCheckBox, &E::KugelLK},
             {ui.KugelBKCheckBox, &E::KugelBK},
             {ui.KugelflaecheCheckBox, &E::Kugelflaeche},
             {ui.HalbkugelFlaecheCheckBox, &E::HalbkugelFlaeche},
             {ui.AequatorCheckBox, &E::Aequator},
             {ui.NullMeridianCheckBox, &E::NullMeridian},
             {ui.MittelpunktCheckBox, &E::Mittelpunkt},
             {ui.MittelpunktVektorCheckBox, &E::MittelpunktVektor},
             {ui.PunktCheckBox, &E::Punkt},
             {ui.OrtsVektorCheckBox, &E::OrtsVektor},
             {ui.DifferenzVektorCheckBox, &E::DifferenzVektor},
             {ui.VieleOrtsvektorenCheckBox, &E::VieleOrtsvektoren},
             {ui.VieleDifferenzvektorenCheckBox, &E::VieleDifferenzvektoren},
             {ui.TanEbeneCheckBox, &E::TanEbene}}};
}

}  // namespace

TVektorKugelForm::TVektorKugelForm(const SzenenUmgebung& umgebung, TVektorKugel& modell)
    : TSzenenForm(umgebung), ui(std::make_unique<Ui::TVektorKugelForm>()), modell_(modell)
{
    ui->setupUi(this);

    // Ranges and the model's settings, before the controls are wired; the handler then runs
    // once, sets the step counts' maximum to n and brings model and picture in line.
    Bereich(ui->KugelRadiusSpinEdit, TVektorKugel::RadiusFeld);
    Bereich(ui->KugelRotSchritteSpinEdit, TVektorKugel::RotSchritteFeld);
    Bereich(Mittelpunkt(), TVektorKugel::MittelpunktFeld);
    const tVektorKugelEinstellungen& start = modell_.Einstellungen();
    for (const auto& [box, schalter] : Schalter(*ui))
        box->setChecked(start.*schalter);
    ui->KugelRadiusSpinEdit->setValue(start.Werte.Radius);
    ui->KugelRotSchritteSpinEdit->setValue(start.Werte.RotSchritte);
    ui->PunktSchrittexySpinEdit->setValue(start.Werte.SchritteXY);
    ui->PunktSchrittezSpinEdit->setValue(start.Werte.SchritteZ);
    Mittelpunkt().Setzen(start.Werte.Mittelpunkt);

    Verbinden(ui->BeispielButton, &QPushButton::clicked,
              [this] { KugelLaden(TVektorKugel::Beispiel.Radius, TVektorKugel::Beispiel.Mittelpunkt); });
    Verbinden(ui->ResetButton, &QPushButton::clicked,
              [this] { KugelLaden(TVektorKugel::Zurueckgesetzt.Radius, TVektorKugel::Zurueckgesetzt.Mittelpunkt); });
    SchliessenSetzen({ui->KugelCheckBox});
    SchalterVerbinden();
    SpinEditsVerbinden();
    DatenAenderungClick();
}

TVektorKugelForm::~TVektorKugelForm() = default;

tVektorFelder TVektorKugelForm::Mittelpunkt() const { return {ui->MxSpinEdit, ui->MySpinEdit, ui->MzSpinEdit}; }

QStringList TVektorKugelForm::KugelTexte() const
{
    return {ui->KugelRadiusSpinEdit->text(), ui->MxSpinEdit->text(), ui->MySpinEdit->text(), ui->MzSpinEdit->text()};
}

void TVektorKugelForm::KugelLaden(int radius, const tVektor3& mittelpunkt)
{
    // Each field that changes would run the handler to the same end; it runs once after,
    // and not at all when no field changed.
    const QStringList vorher = KugelTexte();
    {
        Ausfuellen guard(*this);
        ui->KugelRadiusSpinEdit->setValue(radius);
        Mittelpunkt().Setzen(mittelpunkt);
    }
    if (KugelTexte() != vorher)
        DatenAenderungClick();
}

void TVektorKugelForm::DatenAenderungClick()
{
    const int n = ui->KugelRotSchritteSpinEdit->WertImBereich();
    {
        // A step count beyond a lowered n goes back to 0. Its change event belongs to this
        // change and runs nothing; the rest of this handler takes the 0 along.
        Ausfuellen guard(*this);
        for (TSpinEdit* feld : {ui->PunktSchrittexySpinEdit, ui->PunktSchrittezSpinEdit}) {
            feld->setMaxValue(n);
            if (feld->Value() > n)
                feld->setValue(0);
        }
    }
    tVektorKugelEinstellungen e;
    for (const auto& [box, schalter] : Schalter(*ui))
        e.*schalter = box->isChecked();
    e.Werte.Radius = ui->KugelRadiusSpinEdit->WertImBereich();
    e.Werte.RotSchritte = n;
    e.Werte.SchritteXY = ui->PunktSchrittexySpinEdit->WertImBereich();
    e.Werte.SchritteZ = ui->PunktSchrittezSpinEdit->WertImBereich();
    e.Werte.Mittelpunkt = Mittelpunkt().Lesen();
    modell_.EinstellungenAendern(e);  // throws before anything changes
    Zeichnen();
}

}  // namespace orbisto
