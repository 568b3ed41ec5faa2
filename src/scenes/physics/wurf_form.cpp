#include "scenes/physics/wurf_form.h"

#include "app/meldungen.h"
#include "app/programm.h"
#include "scenes/physics/wurf.h"
#include "ui_wurf_form.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QScrollBar>

namespace orbisto {

TWurfForm::TWurfForm(const SzenenUmgebung& umgebung, TWurf& modell)
    : TSzenenForm(umgebung), ui(std::make_unique<Ui::TWurfForm>()), modell_(modell)
{
    ui->setupUi(this);
    resize(383, 399);
    // Its own place instead of the one beside the main window that the base chose.
    move(Links, Oben);

    // The start values, before the controls are wired; the handler then runs once and
    // brings the model in line with them.
    constexpr tWurfEinstellungen start = TWurf::Startwerte;
    ui->AbwurfgeschwindigkeitSpinEdit->setValue(static_cast<int>(start.Abwurfgeschwindigkeit));
    ui->AbwurfwinkelSpinEdit->setValue(static_cast<int>(start.AbwurfwinkelGrad));
    ui->AbwurfhoeheSpinEdit->setValue(static_cast<int>(start.Abwurfhoehe));
    ui->KugelPositionScrollBar->setRange(0, TWurf::KugelPositionMax);
    ui->KugelPositionScrollBar->setValue(start.KugelPosition);

    HauptschalterSetzen(ui->WurfCheckBox);
    SchalterVerbinden();
    SpinEditsVerbinden();
    ui->KugelPositionScrollBar->installEventFilter(this);
    connect(ui->KugelPositionScrollBar, &QScrollBar::valueChanged, this,
            [this] { FehlerAbfangen([this] { DatenAenderungClick(); }); });
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
    e.Abwurfgeschwindigkeit = ui->AbwurfgeschwindigkeitSpinEdit->Value();
    e.AbwurfwinkelGrad = ui->AbwurfwinkelSpinEdit->Value();
    e.Abwurfhoehe = ui->AbwurfhoeheSpinEdit->Value();
    e.StreckeZeitPos = ui->StreckeZeitPosCheckBox->isChecked();
    e.StreckePos = ui->StreckePosCheckBox->isChecked();
    e.ZeitPos = ui->ZeitPosCheckBox->isChecked();
    e.KugelPosition = ui->KugelPositionScrollBar->value();
    const TKoSys& raum = programm().KoSys;
    modell_.DatenAendern(e, raum.xMax, raum.yMax);  // throws before anything changes
    Zeichnen();
}

bool TWurfForm::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt == ui->KugelPositionScrollBar && ereignis->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(ereignis)->key();
        if (taste == Qt::Key_Right || taste == Qt::Key_Left) {
            ui->KugelPositionScrollBar->triggerAction(taste == Qt::Key_Right ? QAbstractSlider::SliderSingleStepAdd
                                                                             : QAbstractSlider::SliderSingleStepSub);
            return true;
        }
    }
    return TSzenenForm::eventFilter(objekt, ereignis);
}

void TWurfForm::closeEvent(QCloseEvent* event)
{
    for (QCheckBox* box :
         {ui->WurfCheckBox, ui->MatheStreckeFktCheckBox, ui->MatheZeitFktCheckBox, ui->MatheStreckeZeitFktCheckBox,
          ui->HoeheStrecke2DCheckBox, ui->HoeheZeit2DCheckBox, ui->HoeheStreckeZeit3DCheckBox})
        box->setChecked(false);
    TSzenenForm::closeEvent(event);
}

}  // namespace orbisto
