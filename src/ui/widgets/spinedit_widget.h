#pragma once
// The spin edit of every window: a text field with up/down arrows that holds a whole
// number.
//
// - Value() is the whole number in the text, or MinValue when the text is not one.
//   Any text may be typed, letters too; nothing is blocked.
// - setValue() clamps to MinValue ... MaxValue, unless both are equal (then there is
//   no range at all). Changing MinValue or MaxValue leaves the text alone, so in a .ui
//   file set both before Value.
// - The arrows, the arrow keys and the mouse wheel step by Increment (PageUp/PageDown
//   by ten increments), clamped like setValue().
// - A typed number outside the range counts as typed until the field loses focus;
//   then it is put into the range.
// - Change() is raised on every change of the text, typed or set, and synchronously,
//   so a handler may set the value again (nested). Setting the value the field already
//   shows raises nothing.
// - EditorEnabled false: the text cannot be typed into, the arrows still work.
// - A screen reader sees the value, the range setValue() clamps to (the whole int range
//   when there is none) and Increment as its step, and sets the value through setValue().
//
// Setters follow Qt's naming so that uic can set the properties from a .ui file.

#include <QAbstractSpinBox>

namespace orbisto {

class TSpinEdit : public QAbstractSpinBox {
    Q_OBJECT
    Q_PROPERTY(int MinValue READ MinValue WRITE setMinValue)
    Q_PROPERTY(int MaxValue READ MaxValue WRITE setMaxValue)
    Q_PROPERTY(int Increment READ Increment WRITE setIncrement)
    Q_PROPERTY(bool EditorEnabled READ EditorEnabled WRITE setEditorEnabled)
    Q_PROPERTY(int Value READ Value WRITE setValue NOTIFY Change USER true)
    // Qt's accessible interface for spin boxes reads and writes these names.
    Q_PROPERTY(double value READ valueAsDouble WRITE setValueFromDouble NOTIFY Change STORED false DESIGNABLE false)
    Q_PROPERTY(int minimum READ Untergrenze STORED false DESIGNABLE false)
    Q_PROPERTY(int maximum READ Obergrenze STORED false DESIGNABLE false)
    Q_PROPERTY(int stepSize READ Increment STORED false DESIGNABLE false)

public:
    explicit TSpinEdit(QWidget* parent = nullptr);

    int Value() const;
    void setValue(int wert);
    // The number the field stands for: Value() put into the range, as the field shows it
    // once it is left. Scene windows hand this to their models, so a number being typed
    // never reaches them out of range.
    int WertImBereich() const { return Begrenzt(Value()); }

    int MinValue() const { return min_; }
    void setMinValue(int wert);
    int MaxValue() const { return max_; }
    void setMaxValue(int wert);
    int Increment() const { return increment_; }
    void setIncrement(int wert) { increment_ = wert; }
    bool EditorEnabled() const;
    void setEditorEnabled(bool an);

    // Puts a text into the field as if it had been typed: no clamping.
    void setText(const QString& text);

    void stepBy(int schritte) override;
    QSize sizeHint() const override;

signals:
    void Change();

protected:
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    double valueAsDouble() const { return Value(); }
    void setValueFromDouble(double wert);
    int Untergrenze() const;
    int Obergrenze() const;
    int Begrenzt(long long wert) const;

    int min_ = 0;
    int max_ = 0;
    int increment_ = 1;
};

}  // namespace orbisto
