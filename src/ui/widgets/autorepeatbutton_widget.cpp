#include "widgets/autorepeatbutton_widget.h"

#include "widgets/meldungen.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>

namespace orbisto {

TRxSpeedButton::TRxSpeedButton(QWidget* parent) : QToolButton(parent), timer_(new QTimer(this))
{
    // Our own timer rather than QAbstractButton's auto-repeat: that one would emit
    // clicked() for each repeat, and a handler's error has to stop it from here.
    timer_->setObjectName(QStringLiteral("RepeatTimer"));
    connect(timer_, &QTimer::timeout, this, &TRxSpeedButton::Wiederholen);
    connect(this, &QAbstractButton::pressed, this, &TRxSpeedButton::Gedrueckt);
    // Also when the pointer slides off the button while held: no repeats outside it.
    connect(this, &QAbstractButton::released, timer_, &QTimer::stop);
    connect(this, &QAbstractButton::clicked, this, &TRxSpeedButton::Ausfuehren);
}

void TRxSpeedButton::setRepeat(bool an)
{
    repeat_ = an;
    if (!an)
        timer_->stop();
}

void TRxSpeedButton::Gedrueckt()
{
    if (repeat_)
        timer_->start(pause_);
}

void TRxSpeedButton::Wiederholen()
{
    if (!isDown()) {
        timer_->stop();
        return;
    }
    timer_->start(intervall_);
    Ausfuehren();
}

void TRxSpeedButton::Ausfuehren()
{
    if (!onClick_)
        return;
    QPointer<TRxSpeedButton> selbst(this);
    QString fehler;
    try {
        onClick_();
        return;
    } catch (...) {
        fehler = FehlerText(std::current_exception());
    }
    // Stop and release before the box opens: its modal loop would otherwise keep
    // the timer firing into the failing handler.
    if (selbst)
        Abbrechen();
    FehlerAnzeigen(fehler);
}

void TRxSpeedButton::Abbrechen()
{
    timer_->stop();
    if (isDown())
        setDown(false);
}

void TRxSpeedButton::NameAusHinweis()
{
    // Qt names a button by its text; without one a screen reader would only say "button".
    const QString name = accessibleName();
    if (!name.isEmpty() && name != hinweisName_)
        return;
    hinweisName_ = text().isEmpty() ? toolTip() : QString();
    if (name != hinweisName_)
        setAccessibleName(hinweisName_);
}

bool TRxSpeedButton::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::WindowBlocked:
        // A modal window now takes the mouse; the release will never reach us.
        if (isDown())
            Abbrechen();
        break;
    case QEvent::ToolTipChange:
    case QEvent::Polish:  // a .ui file sets the text after the tool tip
        NameAusHinweis();
        break;
    default: break;
    }
    return QToolButton::event(event);
}

}  // namespace orbisto
