#include "widgets/spinedit_widget.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <QVBoxLayout>

#include <limits>

using orbisto::TSpinEdit;

namespace {

// Types into the field with key events, as a user would.
void Tippen(TSpinEdit& feld, const QString& text)
{
    feld.setText(QString());
    QTest::keyClicks(&feld, text);
}

}  // namespace

class TestSpinEdit : public QObject {
    Q_OBJECT

private slots:
    void valueFromText_data();
    void valueFromText();
    void programValueClamped_data();
    void programValueClamped();
    void changeOnEveryTextChange();
    void changeNestedInHandler();
    void leavingClamps_data();
    void leavingClamps();
    void stepsByIncrement();
    void onlyArrowsWithoutEditor();
    void screenReaderRange_data();
    void screenReaderRange();
    void screenReaderSetsAndSteps();
};

void TestSpinEdit::valueFromText_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("wert");

    QTest::newRow("whole number") << -9 << 9 << "5" << 5;
    QTest::newRow("negative") << -9 << 9 << "-7" << -7;
    QTest::newRow("plus sign") << -9 << 9 << "+3" << 3;
    QTest::newRow("letters -> min") << -9 << 9 << "abc" << -9;
    QTest::newRow("empty -> min") << 1 << 9 << "" << 1;
    QTest::newRow("decimal comma -> min") << 0 << 10 << "3,5" << 0;
    QTest::newRow("digits and letters -> min") << 0 << 10 << "4x" << 0;
    QTest::newRow("too big for int -> min") << 4 << 96 << "99999999999" << 4;
    QTest::newRow("typed outside counts as typed") << 0 << 10 << "15" << 15;
    QTest::newRow("no range, letter -> 0") << 0 << 0 << "a" << 0;
}

void TestSpinEdit::valueFromText()
{
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(QString, text);
    QFETCH(int, wert);

    TSpinEdit feld;
    feld.setMinValue(min);
    feld.setMaxValue(max);
    Tippen(feld, text);
    QCOMPARE(feld.text(), text);  // nothing was blocked or corrected while typing
    QCOMPARE(feld.Value(), wert);
}

void TestSpinEdit::programValueClamped_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("gesetzt");
    QTest::addColumn<QString>("text");

    QTest::newRow("in range") << -9 << 9 << 4 << "4";
    QTest::newRow("above max") << 0 << 10 << 12 << "10";
    QTest::newRow("below min") << -10 << 10 << -20 << "-10";
    QTest::newRow("min = max = 0: no bounds") << 0 << 0 << 1000 << "1000";
    QTest::newRow("min = max = 5: no bounds") << 5 << 5 << -3 << "-3";
}

void TestSpinEdit::programValueClamped()
{
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, gesetzt);
    QFETCH(QString, text);

    TSpinEdit feld;
    feld.setMinValue(min);
    feld.setMaxValue(max);
    feld.setValue(gesetzt);
    QCOMPARE(feld.text(), text);
}

void TestSpinEdit::changeOnEveryTextChange()
{
    TSpinEdit feld;
    feld.setMinValue(0);
    feld.setMaxValue(10);
    QSignalSpy aenderungen(&feld, &TSpinEdit::Change);

    feld.setValue(4);
    QCOMPARE(aenderungen.size(), 1);
    feld.setValue(4);  // already shown
    QCOMPARE(aenderungen.size(), 1);

    feld.setValue(10);
    QCOMPARE(aenderungen.size(), 2);
    feld.setValue(15);  // clamps to the 10 already shown
    QCOMPARE(aenderungen.size(), 2);

    Tippen(feld, QStringLiteral("12"));  // clearing and two keystrokes
    QCOMPARE(aenderungen.size(), 5);
    QTest::keyClick(&feld, Qt::Key_Backspace);
    QCOMPARE(aenderungen.size(), 6);
    QCOMPARE(feld.Value(), 1);
}

void TestSpinEdit::changeNestedInHandler()
{
    // A handler that sets its own field again runs once more, nested, and the field
    // ends with the value the inner run left.
    TSpinEdit feld;
    feld.setMinValue(0);
    feld.setMaxValue(20);
    int laeufe = 0;
    connect(&feld, &TSpinEdit::Change, &feld, [&] {
        ++laeufe;
        if (feld.Value() > 8)
            feld.setValue(0);
    });

    feld.setValue(12);
    QCOMPARE(laeufe, 2);
    QCOMPARE(feld.text(), QStringLiteral("0"));
}

void TestSpinEdit::leavingClamps_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<QString>("getippt");
    QTest::addColumn<QString>("danach");
    QTest::addColumn<int>("aenderungenBeimVerlassen");

    QTest::newRow("above max") << 0 << 10 << "15"
                               << "10" << 1;
    QTest::newRow("below min") << 1 << 9 << "-3"
                               << "1" << 1;
    QTest::newRow("in range") << 0 << 10 << "7"
                              << "7" << 0;
    QTest::newRow("letters stay (count as min)") << 0 << 10 << "abc"
                                                 << "abc" << 0;
    QTest::newRow("no bounds") << 0 << 0 << "500"
                               << "500" << 0;
}

void TestSpinEdit::leavingClamps()
{
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(QString, getippt);
    QFETCH(QString, danach);
    QFETCH(int, aenderungenBeimVerlassen);

    QWidget fenster;
    auto* layout = new QVBoxLayout(&fenster);
    auto* feld = new TSpinEdit(&fenster);
    auto* anderes = new QLineEdit(&fenster);
    layout->addWidget(feld);
    layout->addWidget(anderes);
    feld->setMinValue(min);
    feld->setMaxValue(max);
    fenster.show();
    QApplication::setActiveWindow(&fenster);
    QVERIFY(QTest::qWaitForWindowActive(&fenster));

    feld->setFocus();
    QTRY_VERIFY(feld->hasFocus());
    Tippen(*feld, getippt);
    QCOMPARE(feld->text(), getippt);  // still as typed while the field has the focus

    QSignalSpy aenderungen(feld, &TSpinEdit::Change);
    anderes->setFocus();
    QTRY_VERIFY(anderes->hasFocus());
    QCOMPARE(feld->text(), danach);
    QCOMPARE(aenderungen.size(), aenderungenBeimVerlassen);
}

void TestSpinEdit::stepsByIncrement()
{
    TSpinEdit feld;  // like the angle field: 0 ... 350 in steps of 10
    feld.setMinValue(0);
    feld.setMaxValue(350);
    feld.setIncrement(10);
    feld.setValue(330);
    QSignalSpy aenderungen(&feld, &TSpinEdit::Change);

    QTest::keyClick(&feld, Qt::Key_Up);
    QCOMPARE(feld.text(), QStringLiteral("340"));
    QTest::keyClick(&feld, Qt::Key_Up);
    QTest::keyClick(&feld, Qt::Key_Up);
    QCOMPARE(feld.text(), QStringLiteral("350"));
    QCOMPARE(aenderungen.size(), 2);  // the step at the end changed nothing

    Tippen(feld, QStringLiteral("400"));
    QTest::keyClick(&feld, Qt::Key_Down);  // out of range as typed: a step brings it back
    QCOMPARE(feld.text(), QStringLiteral("350"));

    Tippen(feld, QStringLiteral("x"));  // counts as MinValue
    QTest::keyClick(&feld, Qt::Key_Up);
    QCOMPARE(feld.text(), QStringLiteral("10"));
}

void TestSpinEdit::onlyArrowsWithoutEditor()
{
    TSpinEdit feld;
    feld.setMinValue(-10);
    feld.setMaxValue(10);
    feld.setValue(2);
    feld.setEditorEnabled(false);
    feld.resize(feld.sizeHint());
    feld.show();
    QVERIFY(QTest::qWaitForWindowExposed(&feld));

    QTest::keyClicks(&feld, QStringLiteral("7"));
    QCOMPARE(feld.text(), QStringLiteral("2"));

    QTest::keyClick(&feld, Qt::Key_Down);
    QCOMPARE(feld.text(), QStringLiteral("1"));

    QStyleOptionSpinBox option;
    option.initFrom(&feld);
    option.subControls = QStyle::SC_All;
    option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    const QRect hoch = feld.style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, &feld);
    QTest::mouseClick(&feld, Qt::LeftButton, {}, hoch.center());
    QCOMPARE(feld.text(), QStringLiteral("2"));
}

void TestSpinEdit::screenReaderRange_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<double>("untere");
    QTest::addColumn<double>("obere");

    constexpr int kleinste = std::numeric_limits<int>::min();
    constexpr int groesste = std::numeric_limits<int>::max();
    QTest::newRow("range") << -10 << 350 << -10.0 << 350.0;
    QTest::newRow("min > max: the same bounds") << 9 << 1 << 1.0 << 9.0;
    QTest::newRow("min = max = 0: whole int") << 0 << 0 << double(kleinste) << double(groesste);
    QTest::newRow("min = max = 5: whole int") << 5 << 5 << double(kleinste) << double(groesste);
}

void TestSpinEdit::screenReaderRange()
{
    // A screen reader is told the range setValue() clamps to, and a value it sets beyond
    // either end (the bus carries doubles, so also beyond int) lands on that end.
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(double, untere);
    QFETCH(double, obere);

    TSpinEdit feld;
    feld.setMinValue(min);
    feld.setMaxValue(max);
    QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(&feld);
    QVERIFY(zugang);
    QAccessibleValueInterface* wert = zugang->valueInterface();
    QVERIFY(wert);
    QCOMPARE(wert->minimumValue().toDouble(), untere);
    QCOMPARE(wert->maximumValue().toDouble(), obere);

    wert->setCurrentValue(1e10);
    QCOMPARE(feld.text(), QString::number(obere, 'f', 0));
    QCOMPARE(wert->currentValue().toDouble(), obere);
    wert->setCurrentValue(-1e10);
    QCOMPARE(feld.text(), QString::number(untere, 'f', 0));
    QCOMPARE(wert->currentValue().toDouble(), untere);
}

void TestSpinEdit::screenReaderSetsAndSteps()
{
    TSpinEdit feld;  // like the angle field: 0 ... 350 in steps of 10
    feld.setMinValue(0);
    feld.setMaxValue(350);
    feld.setIncrement(10);
    feld.setValue(330);
    QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(&feld);
    QVERIFY(zugang);
    QCOMPARE(zugang->role(), QAccessible::SpinBox);
    QAccessibleValueInterface* wert = zugang->valueInterface();
    QVERIFY(wert);
    QCOMPARE(wert->currentValue().toDouble(), 330.0);
    QCOMPARE(wert->minimumStepSize().toDouble(), 10.0);
    QSignalSpy aenderungen(&feld, &TSpinEdit::Change);

    // A screen reader steps by setting the value plus the step size.
    const auto schritt = [&](double richtung) {
        wert->setCurrentValue(wert->currentValue().toDouble() + richtung * wert->minimumStepSize().toDouble());
    };
    schritt(+1);
    QCOMPARE(feld.text(), QStringLiteral("340"));
    QCOMPARE(aenderungen.size(), 1);
    schritt(+1);
    schritt(+1);  // clamped to the 350 already shown: no change
    QCOMPARE(feld.text(), QStringLiteral("350"));
    QCOMPARE(aenderungen.size(), 2);
    schritt(-1);
    QCOMPARE(zugang->text(QAccessible::Value), QStringLiteral("340"));
    QCOMPARE(aenderungen.size(), 3);

    // Fractions round half to even; NaN changes nothing.
    wert->setCurrentValue(12.5);
    QCOMPARE(feld.text(), QStringLiteral("12"));
    wert->setCurrentValue(qQNaN());
    QCOMPARE(feld.text(), QStringLiteral("12"));
    QCOMPARE(aenderungen.size(), 4);

    // A text that is no number reads as MinValue, the text itself as it stands.
    Tippen(feld, QStringLiteral("abc"));
    QCOMPARE(wert->currentValue().toDouble(), 0.0);
    QCOMPARE(zugang->text(QAccessible::Value), QStringLiteral("abc"));
}

QTEST_MAIN(TestSpinEdit)
#include "test_spinedit.moc"
