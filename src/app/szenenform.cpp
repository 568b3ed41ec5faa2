#include "app/szenenform.h"

#include "app/fensterplatz.h"
#include "app/meldungen.h"
#include "app/spinedit_widget.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QRadioButton>

namespace orbisto {

TSzenenForm::TSzenenForm(const SzenenUmgebung& umgebung)
    : QWidget(umgebung.hauptfenster, Qt::Window), programm_(umgebung.programm), zeichnen_(umgebung.zeichnen)
{
    FensterPlatzieren(this, umgebung.hauptfenster);
}

void TSzenenForm::Zeigen()
{
    show();
    raise();
    activateWindow();
}

void TSzenenForm::Zeichnen() const
{
    if (zeichnen_)
        zeichnen_();
}

void TSzenenForm::SchalterVerbinden()
{
    for (QAbstractButton* schalter : findChildren<QAbstractButton*>())
        if (qobject_cast<QCheckBox*>(schalter) || qobject_cast<QRadioButton*>(schalter))
            SchalterVerbinden(schalter, [this] { DatenAenderungClick(); });
}

void TSzenenForm::SchalterVerbinden(QAbstractButton* schalter, std::function<void()> onClick)
{
    // A radio button that is switched off by its neighbour is no click of its own.
    const bool nurEin = qobject_cast<QRadioButton*>(schalter) != nullptr;
    connect(schalter, &QAbstractButton::toggled, this, [nurEin, onClick = std::move(onClick)](bool an) {
        if (an || !nurEin)
            FehlerAbfangen(onClick);
    });
}

void TSzenenForm::SpinEditsVerbinden()
{
    for (TSpinEdit* feld : findChildren<TSpinEdit*>())
        connect(feld, &TSpinEdit::Change, this, [this] { FehlerAbfangen([this] { DatenAenderungClick(); }); });
}

void TSzenenForm::closeEvent(QCloseEvent* event)
{
    if (hauptschalter_)
        hauptschalter_->setChecked(false);
    QWidget::closeEvent(event);
}

}  // namespace orbisto
