#include "widgets/spinedit_widget.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include <algorithm>
#include <cmath>
#include <limits>

namespace orbisto {

TSpinEdit::TSpinEdit(QWidget* parent) : QAbstractSpinBox(parent)
{
    lineEdit()->setText(QStringLiteral("0"));
    // The base class keeps no value of its own (it validates every text as
    // acceptable), so the text is the only state and each change of it is a change.
    connect(lineEdit(), &QLineEdit::textChanged, this, &TSpinEdit::Change);
}

int TSpinEdit::Value() const
{
    bool ganz = false;
    const int wert = lineEdit()->text().toInt(&ganz, 10);
    return ganz ? wert : min_;
}

// Equal ends mean no range at all: then only int itself bounds the value.
int TSpinEdit::Untergrenze() const { return min_ == max_ ? std::numeric_limits<int>::min() : std::min(min_, max_); }

int TSpinEdit::Obergrenze() const { return min_ == max_ ? std::numeric_limits<int>::max() : std::max(min_, max_); }

int TSpinEdit::Begrenzt(long long wert) const
{
    return static_cast<int>(std::clamp<long long>(wert, Untergrenze(), Obergrenze()));
}

void TSpinEdit::setValue(int wert) { setText(QString::number(Begrenzt(wert))); }

void TSpinEdit::setValueFromDouble(double wert)
{
    // Assistive technology sends doubles. Clamping before the conversion keeps a value
    // beyond int from wrapping around; halves round to even as everywhere.
    if (std::isnan(wert))
        return;
    setValue(static_cast<int>(std::clamp<double>(std::nearbyint(wert), Untergrenze(), Obergrenze())));
}

void TSpinEdit::setText(const QString& text)
{
    if (lineEdit()->text() != text)
        lineEdit()->setText(text);
}

void TSpinEdit::setMinValue(int wert)
{
    min_ = wert;
    updateGeometry();
}

void TSpinEdit::setMaxValue(int wert)
{
    max_ = wert;
    updateGeometry();
}

bool TSpinEdit::EditorEnabled() const { return !lineEdit()->isReadOnly(); }

void TSpinEdit::setEditorEnabled(bool an)
{
    // Only the text is locked: the arrows and arrow keys still step.
    lineEdit()->setReadOnly(!an);
}

void TSpinEdit::stepBy(int schritte)
{
    setValue(Begrenzt(static_cast<long long>(Value()) + static_cast<long long>(schritte) * increment_));
}

QAbstractSpinBox::StepEnabled TSpinEdit::stepEnabled() const
{
    // Both arrows stay active at the ends of the range: a step from a typed value
    // outside the range brings it back in.
    if (isReadOnly() || !isEnabled())
        return StepNone;
    return StepUpEnabled | StepDownEnabled;
}

void TSpinEdit::focusOutEvent(QFocusEvent* event)
{
    QAbstractSpinBox::focusOutEvent(event);
    const int wert = Value();
    if (Begrenzt(wert) != wert)
        setValue(wert);
}

QSize TSpinEdit::sizeHint() const
{
    // Wide enough for the range ends (the base class would measure an empty text).
    ensurePolished();
    const QFontMetrics fm(fontMetrics());
    int breite = fm.horizontalAdvance(QStringLiteral("-999"));
    for (const int wert : {min_, max_})
        breite = std::max(breite, fm.horizontalAdvance(QString::number(wert)));
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QSize inhalt(breite + 4, lineEdit()->sizeHint().height());
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, inhalt, this);
}

}  // namespace orbisto
