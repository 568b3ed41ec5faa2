#include "widgets/szenenform.h"

#include "scenes/zahlfeld.h"
#include "widgets/autorepeatbutton_widget.h"
#include "widgets/fensterplatz.h"
#include "widgets/glyphpainter.h"
#include "widgets/meldungen.h"
#include "widgets/spinedit_widget.h"
#include "widgets/spinknopfglyphen.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace orbisto {

tVektor3 tVektorFelder::Lesen() const
{
    return {double(x->WertImBereich()), double(y->WertImBereich()), double(z->WertImBereich())};
}

void tVektorFelder::Setzen(const tVektor3& v) const
{
    x->setValue(static_cast<int>(v.x));
    y->setValue(static_cast<int>(v.y));
    z->setValue(static_cast<int>(v.z));
}

TSzenenForm::TSzenenForm(const SzenenUmgebung& umgebung)
    : QWidget(umgebung.hauptfenster, Qt::Window), programm_(umgebung.programm), zeichnen_(umgebung.zeichnen)
{
    FensterPlatzieren(this, umgebung.hauptfenster);
}

TSzenenForm::~TSzenenForm()
{
    // The derived window and its model view are gone already, the controls not yet: cut
    // every wire from them to this window before QWidget deletes them. A focused spin edit
    // holding an out-of-range number puts it into range as it loses the focus on its way
    // out, and that change must reach nobody.
    for (QObject* kind : findChildren<QObject*>())
        kind->disconnect(this);
}

void TSzenenForm::Zeigen()
{
    show();
    raise();
    activateWindow();
}

namespace {

// Makes the horizontal arrow keys step a scroll bar the way it looks.
class PfeiltastenVorwaerts : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        auto* leiste = qobject_cast<QScrollBar*>(objekt);
        if (leiste && ereignis->type() == QEvent::KeyPress) {
            const int taste = static_cast<QKeyEvent*>(ereignis)->key();
            if (taste == Qt::Key_Right || taste == Qt::Key_Left) {
                leiste->triggerAction(taste == Qt::Key_Right ? QAbstractSlider::SliderSingleStepAdd
                                                             : QAbstractSlider::SliderSingleStepSub);
                return true;
            }
        }
        return false;
    }
};

}  // namespace

void TSzenenForm::LeisteVerbinden(QScrollBar* leiste)
{
    leiste->installEventFilter(new PfeiltastenVorwaerts(leiste));
    Verbinden(leiste, &QScrollBar::valueChanged, [this] { DatenAenderungClick(); });
}

void TSzenenForm::BeispielKnoepfe(std::initializer_list<QAbstractButton*> knoepfe, std::function<void(int)> laden)
{
    int nr = 0;
    for (QAbstractButton* knopf : knoepfe)
        Verbinden(knopf, &QAbstractButton::clicked, [this, laden, nr = ++nr] {
            laden(nr);
            DatenAenderungClick();
        });
}

bool TSzenenForm::event(QEvent* ereignis)
{
    if (ereignis->type() == QEvent::Polish)
        for (QPushButton* knopf : findChildren<QPushButton*>()) {
            if (knopf->text().isEmpty())
                continue;
            const int rand = 2 * knopf->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, knopf);
            const int breite = knopf->fontMetrics().horizontalAdvance(knopf->text().remove(u'&')) + rand;
            knopf->setMinimumWidth(std::max(knopf->minimumWidth(), breite));
        }
    return QWidget::event(ereignis);
}

void TSzenenForm::Zeichnen() const
{
    if (zeichnen_)
        zeichnen_();
}

void TSzenenForm::Ausfuehren(const std::function<void()>& handler)
{
    if (ausfuellen_ == 0)
        FehlerAbfangen(handler);
}

void TSzenenForm::Bereich(TSpinEdit* feld, const tZahlFeld& zahlFeld)
{
    feld->setMinValue(zahlFeld.Min);
    feld->setMaxValue(zahlFeld.Max);
    feld->setIncrement(zahlFeld.Schritt);
}

void TSzenenForm::Bereich(const tVektorFelder& felder, const tZahlFeld& zahlFeld)
{
    for (TSpinEdit* feld : {felder.x, felder.y, felder.z})
        Bereich(feld, zahlFeld);
}

void TSzenenForm::SchalterVerbinden(std::initializer_list<const QAbstractButton*> ausser)
{
    for (QAbstractButton* schalter : findChildren<QAbstractButton*>())
        if ((qobject_cast<QCheckBox*>(schalter) || qobject_cast<QRadioButton*>(schalter)) &&
            std::find(ausser.begin(), ausser.end(), schalter) == ausser.end())
            SchalterVerbinden(schalter, [this] { DatenAenderungClick(); });
}

void TSzenenForm::SchalterVerbinden(QAbstractButton* schalter, std::function<void()> handler)
{
    // A radio button that is switched off by its neighbour is no click of its own.
    const bool nurEin = qobject_cast<QRadioButton*>(schalter) != nullptr;
    connect(schalter, &QAbstractButton::toggled, this, [this, nurEin, handler = std::move(handler)](bool an) {
        if (an || !nurEin)
            Ausfuehren(handler);
    });
}

void TSzenenForm::SpinEditsVerbinden()
{
    for (TSpinEdit* feld : findChildren<TSpinEdit*>())
        Verbinden(feld, &TSpinEdit::Change, [this] { DatenAenderungClick(); });
}

void TSzenenForm::SchrittKnoepfe(TRxSpeedButton* hoeher, TRxSpeedButton* tiefer, TSpinEdit* feld, int schritt)
{
    hoeher->setIcon(GlyphIcon(EinsHoeher));
    tiefer->setIcon(GlyphIcon(EinsTiefer));
    for (const auto& knopf : {std::pair{hoeher, schritt}, std::pair{tiefer, -schritt}})
        knopf.first->setOnClick([this, feld, schritt = knopf.second] {
            feld->setValue(feld->WertImBereich() + schritt);
            Zeichnen();
        });
}

void TSzenenForm::SchliessenSetzen(std::vector<QAbstractButton*> boxen, std::function<void()> danach)
{
    schliessenBoxen_ = std::move(boxen);
    schliessenDanach_ = std::move(danach);
}

void TSzenenForm::closeEvent(QCloseEvent* event)
{
    for (QAbstractButton* box : schliessenBoxen_)
        box->setChecked(false);
    if (schliessenDanach_)
        FehlerAbfangen(schliessenDanach_);
    QWidget::closeEvent(event);
}

}  // namespace orbisto
