#include "windows/einstellungen_form.h"

#include "core/zahltext.h"
#include "ui_einstellungen_form.h"
#include "view/ansichtsteuerung.h"
#include "view/tkosys.h"
#include "widgets/autorepeatbutton_widget.h"
#include "widgets/fensterplatz.h"
#include "widgets/meldungen.h"
#include "widgets/spinedit_widget.h"
#include "windows/steuerglyphen.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>

#include <algorithm>
#include <climits>

namespace orbisto {

namespace {

// Rounded to two decimals, then in the general format: 25 shows as "25", 5.5 as "5,5".
void FeldSetzen(QLineEdit* feld, double wert)
{
    const QString text = QString::fromStdString(HundertstelText(wert));
    if (feld->text() != text) {
        feld->setText(text);
        feld->setToolTip(text);
    }
}

// The width a line edit needs to show `text` whole: the text, the cursor's pixel at its
// end, the line edit's own side margins and whatever frame the style draws around them.
int BreiteFuer(const QLineEdit* feld, const QString& text)
{
    constexpr int RandInnen = 2;  // QLineEdit's fixed horizontal margin on each side
    const QMargins textRand = feld->textMargins();
    const QMargins inhalt = feld->contentsMargins();
    const int breite = QFontMetrics(feld->font()).horizontalAdvance(text) + 1 + 2 * RandInnen + textRand.left() +
                       textRand.right() + inhalt.left() + inhalt.right();
    QStyleOptionFrame option;
    option.initFrom(feld);
    option.lineWidth = feld->hasFrame() ? feld->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, feld) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    return feld->style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(breite, feld->height()), feld).width();
}

int GanzeZahl(double wert) { return static_cast<int>(std::clamp<std::int64_t>(Runden(wert), INT_MIN, INT_MAX)); }

}  // namespace

// Five whole digits: the near windows move by 1 a click and the scales by a factor 1,1,
// so a value of this size takes hundreds of clicks; the defaults have at most three.
const QString TEinstellungenForm::LaengsterWert = QStringLiteral("-99999,99");

TEinstellungenForm::TEinstellungenForm(TKoSys& koSys, QWidget* hauptfenster, std::function<void()> zeichnenAnfordern)
    : QWidget(hauptfenster, Qt::Window), ui(std::make_unique<Ui::TEinstellungenForm>()), koSys_(koSys),
      zeichnenAnfordern_(std::move(zeichnenAnfordern))
{
    ui->setupUi(this);
    FeldbreitenSetzen();
    for (TRxSpeedButton* knopf : findChildren<TRxSpeedButton*>())
        knopf->setIcon(SteuerGlyphe(knopf->objectName()));
    EinstellungenAnzeigen();
    KnoepfeVerbinden();
}

TEinstellungenForm::~TEinstellungenForm() = default;

void TEinstellungenForm::Zeigen()
{
    // The window is used together with the view panel and the drawing, so it goes beside
    // the main window as it is now, not where it stood at start-up.
    if (!isVisible())
        FensterDanebenPlatzieren(this, parentWidget());
    show();
    raise();
    activateWindow();
}

void TEinstellungenForm::changeEvent(QEvent* ereignis)
{
    QWidget::changeEvent(ereignis);
    if (ereignis->type() == QEvent::FontChange || ereignis->type() == QEvent::StyleChange)
        FeldbreitenSetzen();
}

void TEinstellungenForm::FeldbreitenSetzen()
{
    // The .ui gives the fields a fixed width for the design font; the text decides.
    for (QLineEdit* feld : {ui->xScaleEdit, ui->yScaleEdit, ui->zScaleEdit, ui->OobEdit, ui->OliEdit, ui->OreEdit,
                            ui->OunEdit, ui->PobEdit, ui->PliEdit, ui->PreEdit, ui->PunEdit})
        feld->setFixedWidth(BreiteFuer(feld, LaengsterWert));
}

void TEinstellungenForm::ZeichnenAnfordern() const
{
    if (zeichnenAnfordern_)
        zeichnenAnfordern_();
}

void TEinstellungenForm::EinstellungenAnzeigen()
{
    const TKoSys& k = koSys_;
    const bool vorher = anzeigen_;
    anzeigen_ = true;
    FeldSetzen(ui->xScaleEdit, k.xSkala);
    FeldSetzen(ui->yScaleEdit, k.ySkala);
    FeldSetzen(ui->zScaleEdit, k.zSkala);
    // The upper bound on top, the lower one below, as the cross shows them on screen.
    FeldSetzen(ui->OobEdit, k.OOben);
    FeldSetzen(ui->OliEdit, k.OLinks);
    FeldSetzen(ui->OreEdit, k.ORechts);
    FeldSetzen(ui->OunEdit, k.OUnten);
    FeldSetzen(ui->PobEdit, k.POben);
    FeldSetzen(ui->PliEdit, k.PLinks);
    FeldSetzen(ui->PreEdit, k.PRechts);
    FeldSetzen(ui->PunEdit, k.PUnten);
    const std::pair<TSpinEdit*, double> distanzen[] = {
        {ui->OfernSpinEdit, k.OFern}, {ui->OnahSpinEdit, k.ONah}, {ui->ObeobSpinEdit, k.OBeobachter},
        {ui->PfernSpinEdit, k.PFern}, {ui->PnahSpinEdit, k.PNah}, {ui->PbeobSpinEdit, k.PBeobachter},
    };
    for (const auto& [feld, wert] : distanzen)
        if (feld->Value() != GanzeZahl(wert))
            feld->setValue(GanzeZahl(wert));
    anzeigen_ = vorher;
}

void TEinstellungenForm::KnoepfeVerbinden()
{
    const auto skala = [this](QToolButton* knopf, void (*schritt)(TKoSys&, Achse), Achse a) {
        connect(knopf, &QToolButton::clicked, this, [this, schritt, a] {
            FehlerAbfangen([&] {
                schritt(koSys_, a);
                EinstellungenAnzeigen();
                ZeichnenAnfordern();
            });
        });
    };
    skala(ui->xScaleSpinButtonUp, SkalaPlus, Achse::x);
    skala(ui->xScaleSpinButtonDown, SkalaMinus, Achse::x);
    skala(ui->yScaleSpinButtonUp, SkalaPlus, Achse::y);
    skala(ui->yScaleSpinButtonDown, SkalaMinus, Achse::y);
    skala(ui->zScaleSpinButtonUp, SkalaPlus, Achse::z);
    skala(ui->zScaleSpinButtonDown, SkalaMinus, Achse::z);

    // "vergrößern" enlarges the picture, so it narrows the near window, as its hint says.
    const auto nahFenster = [this](TRxSpeedButton* knopf, Projektionsart art, double d) {
        knopf->setOnClick([this, art, d] {
            NahFensterAendern(koSys_, art, d);
            EinstellungenAnzeigen();
            ZeichnenAnfordern();
        });
    };
    nahFenster(ui->OplusRxSpeedButton, Projektionsart::orthogonal, -1);
    nahFenster(ui->OminusRxSpeedButton, Projektionsart::orthogonal, 1);
    nahFenster(ui->PplusRxSpeedButton, Projektionsart::perspektivisch, -1);
    nahFenster(ui->PminusRxSpeedButton, Projektionsart::perspektivisch, 1);

    SpinEditVerbinden(ui->OfernSpinEdit, &TKoSys::OFern);
    SpinEditVerbinden(ui->OnahSpinEdit, &TKoSys::ONah);
    SpinEditVerbinden(ui->ObeobSpinEdit, &TKoSys::OBeobachter);
    SpinEditVerbinden(ui->PfernSpinEdit, &TKoSys::PFern);
    SpinEditVerbinden(ui->PnahSpinEdit, &TKoSys::PNah);
    SpinEditVerbinden(ui->PbeobSpinEdit, &TKoSys::PBeobachter);
}

void TEinstellungenForm::SpinEditVerbinden(TSpinEdit* feld, double TKoSys::*wert)
{
    // A text that is no whole number counts as the spin edit's MinValue, 0.
    connect(feld, &TSpinEdit::Change, this, [this, feld, wert] {
        if (anzeigen_)
            return;
        FehlerAbfangen([&] {
            koSys_.*wert = feld->Value();
            ZeichnenAnfordern();
        });
    });
}

}  // namespace orbisto
