#include "windows/scenes/physics/wurf_form.h"

#include "programm/programm.h"
#include "scenes/physics/wurf.h"
#include "ui_wurf_form.h"
#include "widgets/meldungen.h"
#include "widgets/spinedit_widget.h"

#include <QLayout>
#include <QScrollBar>

namespace orbisto {

TWurfForm::TWurfForm(const SzenenUmgebung& umgebung, TWurf& modell)
    : TSzenenForm(umgebung), ui(std::make_unique<Ui::TWurfForm>()), modell_(modell)
{
    ui->setupUi(this);
    // The headings wrap into two lines in wide fonts, which a window's minimum size does not
    // count; so the window grows to the height its width then needs.
    resize(QLayout::closestAcceptableSize(this, size()));
    // Its own place instead of the one beside the main window that the base chose.
    move(Links, Oben);

    // Ranges and start values, before the controls are wired; the handler then runs once
    // and brings the model in line with them.
    Bereich(ui->AbwurfgeschwindigkeitSpinEdit, TWurf::GeschwindigkeitFeld);
    Bereich(ui->AbwurfwinkelSpinEdit, TWurf::WinkelFeld);
    Bereich(ui->AbwurfhoeheSpinEdit, TWurf::HoeheFeld);
    ui->KugelPositionScrollBar->setRange(TWurf::KugelPositionFeld.Min, TWurf::KugelPositionFeld.Max);
    const tWurfEinstellungen& start = modell_.Einstellungen();
    ui->AbwurfgeschwindigkeitSpinEdit->setValue(static_cast<int>(start.Abwurfgeschwindigkeit));
    ui->AbwurfwinkelSpinEdit->setValue(static_cast<int>(start.AbwurfwinkelGrad));
    ui->AbwurfhoeheSpinEdit->setValue(static_cast<int>(start.Abwurfhoehe));
    ui->KugelPositionScrollBar->setValue(start.KugelPosition);

    // Closing switches off the throw and the six curves; the ground rectangle, the balls'
    // switches, the numbers and the scroll bar stay for the next opening.
    SchliessenSetzen({ui->WurfCheckBox, ui->MatheStreckeFktCheckBox, ui->MatheZeitFktCheckBox,
                      ui->MatheStreckeZeitFktCheckBox, ui->HoeheStrecke2DCheckBox, ui->HoeheZeit2DCheckBox,
                      ui->HoeheStreckeZeit3DCheckBox});
    SchalterVerbinden();
    SpinEditsVerbinden();
    LeisteVerbinden(ui->KugelPositionScrollBar);
    DatenAenderungClick();
}

TWurfForm::~TWurfForm() = default;

void TWurfForm::DatenAenderungClick()
{
    tWurfEinstellungen e;
    e.Wurf = ui->WurfCheckBox->isChecked();
    e.MatheStreckeFkt = ui->MatheStreckeFktCheckBox->isChecked();
    e.MatheZeitFkt = ui->MatheZeitFktCheckBox->isChecked();
    e.MatheStreckeZeitFkt = ui->MatheStreckeZeitFktCheckBox->isChecked();
    e.HoeheStrecke2D = ui->HoeheStrecke2DCheckBox->isChecked();
    e.HoeheZeit2D = ui->HoeheZeit2DCheckBox->isChecked();
    e.HoeheStreckeZeit3D = ui->HoeheStreckeZeit3DCheckBox->isChecked();
    e.Grundflaeche = ui->GrundflaecheCheckBox->isChecked();
    e.Abwurfgeschwindigkeit = ui->AbwurfgeschwindigkeitSpinEdit->WertImBereich();
    e.AbwurfwinkelGrad = ui->AbwurfwinkelSpinEdit->WertImBereich();
    e.Abwurfhoehe = ui->AbwurfhoeheSpinEdit->WertImBereich();
    e.StreckeZeitPos = ui->StreckeZeitPosCheckBox->isChecked();
    e.StreckePos = ui->StreckePosCheckBox->isChecked();
    e.ZeitPos = ui->ZeitPosCheckBox->isChecked();
    e.KugelPosition = ui->KugelPositionScrollBar->value();
    const TKoSys& raum = programm().KoSys;
    modell_.EinstellungenAendern(e, raum.xMax, raum.yMax);  // throws before anything changes
    Zeichnen();
}

}  // namespace orbisto
