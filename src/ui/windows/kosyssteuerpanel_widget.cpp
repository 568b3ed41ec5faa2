#include "windows/kosyssteuerpanel_widget.h"

#include "ui_kosyssteuerpanel_widget.h"
#include "view/ansichtsteuerung.h"
#include "view/tkosys.h"
#include "widgets/autorepeatbutton_widget.h"
#include "widgets/meldungen.h"
#include "windows/steuerglyphen.h"

#include <stdexcept>

namespace orbisto {

TKoSysSteuerPanel::TKoSysSteuerPanel(QWidget* parent) : QFrame(parent), ui(std::make_unique<Ui::TKoSysSteuerPanel>())
{
    ui->setupUi(this);
    for (TRxSpeedButton* knopf : findChildren<TRxSpeedButton*>())
        knopf->setIcon(SteuerGlyphe(knopf->objectName()));
    // Its designed size, or more where the font needs it (the panel sits in a scroll box).
    setFixedSize(QSize(229, 289).expandedTo(minimumSizeHint()));
    KnoepfeVerbinden();
    SchalterVerbinden();
}

TKoSysSteuerPanel::~TKoSysSteuerPanel() = default;

void TKoSysSteuerPanel::Einrichten(TKoSys& koSys, Umgebung umgebung)
{
    koSys_ = &koSys;
    umgebung_ = std::move(umgebung);
}

void TKoSysSteuerPanel::Zeichnen() const
{
    if (umgebung_.zeichnen)
        umgebung_.zeichnen();
}

void TKoSysSteuerPanel::ZeichnenAnfordern() const
{
    if (umgebung_.zeichnenAnfordern)
        umgebung_.zeichnenAnfordern();
}

void TKoSysSteuerPanel::EinstellungenAnzeigen() const
{
    if (umgebung_.einstellungenAnzeigen)
        umgebung_.einstellungenAnzeigen();
}

void TKoSysSteuerPanel::Verbinden(const char* knopfName, std::function<void(TKoSys&)> handler)
{
    auto* knopf = findChild<TRxSpeedButton*>(QString::fromLatin1(knopfName));
    if (!knopf)
        throw std::logic_error(std::string("view control panel: no button ") + knopfName);
    knopf->setOnClick([this, handler = std::move(handler)] {
        if (koSys_)
            handler(*koSys_);
    });
}

void TKoSysSteuerPanel::KnoepfeVerbinden()
{
    // Stretching changes the scale, which the settings window shows.
    const auto strecken = [this](void (*schritt)(TKoSys&, Achse), Achse a) {
        return [this, schritt, a](TKoSys& k) {
            schritt(k, a);
            EinstellungenAnzeigen();
            Zeichnen();
        };
    };
    Verbinden("xPlusStretchRxSpeedButton", strecken(Strecken, Achse::x));
    Verbinden("xMinusStretchRxSpeedButton", strecken(Stauchen, Achse::x));
    Verbinden("yPlusStretchRxSpeedButton", strecken(Strecken, Achse::y));
    Verbinden("yMinusStretchRxSpeedButton", strecken(Stauchen, Achse::y));
    Verbinden("zPlusStretchRxSpeedButton", strecken(Strecken, Achse::z));
    Verbinden("zMinusStretchRxSpeedButton", strecken(Stauchen, Achse::z));
    Verbinden("allePlusStretchRxSpeedButton", [this](TKoSys& k) {
        AlleStrecken(k);
        EinstellungenAnzeigen();
        Zeichnen();
    });
    Verbinden("alleMinusStretchRxSpeedButton", [this](TKoSys& k) {
        AlleStauchen(k);
        EinstellungenAnzeigen();
        Zeichnen();
    });

    // A refused origin move draws all the same.
    const auto ursprung = [this](UrsprungRichtung r) {
        return [this, r](TKoSys& k) {
            UrsprungVerschieben(k, r);
            Zeichnen();
        };
    };
    Verbinden("xPlusTransRxSpeedButton", ursprung(UrsprungRichtung::xRechts));
    Verbinden("xMinusTransRxSpeedButton", ursprung(UrsprungRichtung::xLinks));
    Verbinden("yPlusTransRxSpeedButton", ursprung(UrsprungRichtung::yHinten));
    Verbinden("yMinusTransRxSpeedButton", ursprung(UrsprungRichtung::yVorn));
    Verbinden("zPlusTransRxSpeedButton", ursprung(UrsprungRichtung::zOben));
    Verbinden("zMinusTransRxSpeedButton", ursprung(UrsprungRichtung::zUnten));

    Verbinden("ErsterOktantSpeedButton", [this](TKoSys& k) {
        ErsterOktant(k);
        Zeichnen();
    });
    Verbinden("Ansicht2DSpeedButton", [this](TKoSys& k) {
        Ansicht2D(k);
        Zeichnen();
    });
    // The resize of the main window requests its own redraw.
    Verbinden("QuadratSpeedButton", [this](TKoSys&) {
        if (umgebung_.quadratischeGrafik)
            umgebung_.quadratischeGrafik();
    });

    Verbinden("ZoomPlusRxSpeedButton", [this](TKoSys& k) {
        ZoomPlus(k);
        EinstellungenAnzeigen();
        ZeichnenAnfordern();
    });
    Verbinden("ZoomMinusRxSpeedButton", [this](TKoSys& k) {
        ZoomMinus(k);
        EinstellungenAnzeigen();
        ZeichnenAnfordern();
    });

    const auto system = [this](SystemRichtung r) {
        return [this, r](TKoSys& k) {
            SystemVerschieben(k, r);
            Zeichnen();
        };
    };
    Verbinden("xMinusSTRxSpeedButton", system(SystemRichtung::Links));
    Verbinden("xPlusSTRxSpeedButton", system(SystemRichtung::Rechts));
    Verbinden("zPlusSTRxSpeedButton", system(SystemRichtung::Oben));
    Verbinden("zMinusSTRxSpeedButton", system(SystemRichtung::Unten));

    Verbinden("alleResetSpeedButton", [this](TKoSys&) { alleResetSpeedButtonClick(); });

    Verbinden("PerspektivePlusRxSpeedButton", [this](TKoSys& k) {
        if (!PerspektivePlus(k))
            return;
        EinstellungenAnzeigen();
        ZeichnenAnfordern();
    });
    Verbinden("PerspektiveMinusRxSpeedButton", [this](TKoSys& k) {
        if (!PerspektiveMinus(k))
            return;
        EinstellungenAnzeigen();
        ZeichnenAnfordern();
    });
    Verbinden("PerspektiveResetSpeedButton", [this](TKoSys& k) {
        PerspektiveZuruecksetzen(k);
        EinstellungenAnzeigen();
        ZeichnenAnfordern();
    });
}

void TKoSysSteuerPanel::SchalterVerbinden()
{
    // toggled, not clicked: a change made by the program or a screen reader counts too.
    for (QCheckBox* box : findChildren<QCheckBox*>())
        connect(box, &QCheckBox::toggled, this, [this] { FehlerAbfangen([this] { DatenAenderungClick(); }); });
    // A radio button acts when it becomes the chosen one, not when its neighbour does.
    connect(ui->OProjektionRadioButton, &QRadioButton::toggled, this, [this](bool an) {
        if (an)
            FehlerAbfangen([this] { OProjektionRadioButtonClick(); });
    });
    connect(ui->PProjektionRadioButton, &QRadioButton::toggled, this, [this](bool an) {
        if (an)
            FehlerAbfangen([this] { PProjektionRadioButtonClick(); });
    });
}

void TKoSysSteuerPanel::DatenAenderungClick()
{
    if (!koSys_)
        return;
    TKoSys& k = *koSys_;
    k.xyGitter = ui->xyGitterCheckBox->isChecked();
    k.yzGitter = ui->yzGitterCheckBox->isChecked();
    k.xzGitter = ui->xzGitterCheckBox->isChecked();
    k.xyFlaeche = ui->xyFlaecheCheckBox->isChecked();
    k.yzFlaeche = ui->yzFlaecheCheckBox->isChecked();
    k.xzFlaeche = ui->xzFlaecheCheckBox->isChecked();
    k.Raumgrenzen = ui->RaumgrenzenCheckBox->isChecked();
    k.AchsenZeichnung = ui->AchsenZeichnungCheckBox->isChecked();
    k.AchsenEinteilung = ui->AchsenEinteilungCheckBox->isChecked();
    k.AchsenNamen = ui->AchsenNamenCheckBox->isChecked();
    k.AchsenEinheiten = ui->AchsenEinheitenCheckBox->isChecked();
    if (umgebung_.rotationSchalten)
        umgebung_.rotationSchalten(ui->SystemZRotationCheckBox->isChecked());
    Zeichnen();
}

void TKoSysSteuerPanel::alleResetSpeedButtonClick()
{
    if (!koSys_)
        return;
    AllesZuruecksetzen(*koSys_);
    EinstellungenAnzeigen();
    Zeichnen();
}

void TKoSysSteuerPanel::PerspektiveKnoepfeZeigen(bool sichtbar)
{
    ui->PerspektivePlusRxSpeedButton->setVisible(sichtbar);
    ui->PerspektiveMinusRxSpeedButton->setVisible(sichtbar);
    ui->PerspektiveResetSpeedButton->setVisible(sichtbar);
}

void TKoSysSteuerPanel::OProjektionRadioButtonClick()
{
    if (!koSys_)
        return;
    koSys_->Projektion = 1;
    PerspektiveKnoepfeZeigen(false);
    ZeichnenAnfordern();
}

void TKoSysSteuerPanel::PProjektionRadioButtonClick()
{
    if (!koSys_)
        return;
    koSys_->Projektion = 0;
    PerspektiveKnoepfeZeigen(true);
    ZeichnenAnfordern();
}

}  // namespace orbisto
