#include "boxbeantworter.h"
#include "core/zahltext.h"
#include "widgets/autorepeatbutton_widget.h"
#include "widgets/meldungen.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

using orbisto::TRxSpeedButton;

namespace {

// The repetition is driven by the button's own timer; firing it by hand makes the
// sequence exact without waiting for real time.
bool Feuern(QTimer* timer)
{
    if (!timer->isActive())
        return false;
    QTimerEvent ablauf(timer->timerId());
    QCoreApplication::sendEvent(timer, &ablauf);
    return true;
}

void StillerSignalton() {}

}  // namespace

class TestAutoRepeatButton : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { orbisto::SignaltonSetzen(&StillerSignalton); }
    void init();
    void cleanup();

    void clickOnRelease();
    void repetition_data();
    void repetition();
    void realTimerRepeats();
    void errorEndsRepetition();
    void modalBoxEndsRepetition();
    void nameForScreenReaders_data();
    void nameForScreenReaders();
    void screenReaderPresses();

private:
    QWidget* fenster_ = nullptr;
    TRxSpeedButton* knopf_ = nullptr;
    QTimer* timer_ = nullptr;
    int klicks_ = 0;
};

void TestAutoRepeatButton::init()
{
    // A shown window: a modal box blocks it, which the button has to notice.
    fenster_ = new QWidget;
    knopf_ = new TRxSpeedButton(fenster_);
    auto* feld = new QLineEdit(fenster_);  // holds the focus, as in a real window
    auto* layout = new QVBoxLayout(fenster_);
    layout->addWidget(feld);
    layout->addWidget(knopf_);
    klicks_ = 0;
    knopf_->setOnClick([this] { ++klicks_; });
    timer_ = knopf_->findChild<QTimer*>(QStringLiteral("RepeatTimer"));
    QVERIFY(timer_);
    feld->setFocus();
    fenster_->show();
    QVERIFY(QTest::qWaitForWindowExposed(fenster_));
}

void TestAutoRepeatButton::cleanup()
{
    delete fenster_;
    fenster_ = nullptr;
}

void TestAutoRepeatButton::clickOnRelease()
{
    QTest::mousePress(knopf_, Qt::LeftButton);
    QCOMPARE(klicks_, 0);
    QTest::mouseRelease(knopf_, Qt::LeftButton);
    QCOMPARE(klicks_, 1);
    QVERIFY(!timer_->isActive());
}

void TestAutoRepeatButton::repetition_data()
{
    QTest::addColumn<bool>("einstellen");  // false: the button's defaults
    QTest::addColumn<int>("pause");
    QTest::addColumn<int>("intervall");

    QTest::newRow("default 500/100") << false << 500 << 100;
    QTest::newRow("rotation 300/100") << true << 300 << 100;
    QTest::newRow("shift 500/50") << true << 500 << 50;
}

void TestAutoRepeatButton::repetition()
{
    QFETCH(bool, einstellen);
    QFETCH(int, pause);
    QFETCH(int, intervall);
    if (einstellen) {
        knopf_->setInitialPause(pause);
        knopf_->setRepeatInterval(intervall);
    }

    QTest::mousePress(knopf_, Qt::LeftButton);
    QVERIFY(timer_->isActive());
    QCOMPARE(timer_->interval(), pause);
    QCOMPARE(klicks_, 0);

    QVERIFY(Feuern(timer_));
    QCOMPARE(klicks_, 1);
    QCOMPARE(timer_->interval(), intervall);
    QVERIFY(Feuern(timer_));
    QVERIFY(Feuern(timer_));
    QCOMPARE(klicks_, 3);

    QTest::mouseRelease(knopf_, Qt::LeftButton);
    QCOMPARE(klicks_, 4);  // the release runs it once more
    QVERIFY(!timer_->isActive());

    // Switched off: only the release counts.
    knopf_->setRepeat(false);
    QTest::mousePress(knopf_, Qt::LeftButton);
    QVERIFY(!timer_->isActive());
    QTest::mouseRelease(knopf_, Qt::LeftButton);
    QCOMPARE(klicks_, 5);
}

void TestAutoRepeatButton::realTimerRepeats()
{
    knopf_->setInitialPause(20);
    knopf_->setRepeatInterval(10);
    QTest::mousePress(knopf_, Qt::LeftButton);
    QTRY_VERIFY(klicks_ >= 3);
    QTest::mouseRelease(knopf_, Qt::LeftButton);
    const int nachLoslassen = klicks_;
    QVERIFY(!timer_->isActive());
    QTest::qWait(50);
    QCOMPARE(klicks_, nachLoslassen);
}

void TestAutoRepeatButton::errorEndsRepetition()
{
    // The second run fails like a matrix field holding "abc".
    knopf_->setOnClick([this] {
        if (++klicks_ == 2)
            orbisto::TextZahl("abc");
    });
    BoxBeantworter schliesser;

    QTest::mousePress(knopf_, Qt::LeftButton);
    QVERIFY(Feuern(timer_));
    QVERIFY(Feuern(timer_));  // fails; the box opens and is closed inside
    QCOMPARE(klicks_, 2);
    QCOMPARE(schliesser.texte(), QStringList{"'abc' ist kein gültiger Gleitkommawert"});
    QVERIFY(!timer_->isActive());
    QVERIFY(!knopf_->isDown());

    QTest::mouseRelease(knopf_, Qt::LeftButton);  // no click after the failure
    QCOMPARE(klicks_, 2);

    // The button works normally afterwards.
    QTest::mouseClick(knopf_, Qt::LeftButton);
    QCOMPARE(klicks_, 3);
}

void TestAutoRepeatButton::modalBoxEndsRepetition()
{
    // A handler that reports a refusal (list full) while the button is held: the box
    // takes the mouse, so the button must come up and stop, not fire behind the box.
    knopf_->setOnClick([this] {
        ++klicks_;
        orbisto::Fehlermeldung(QStringLiteral("Objektliste ist voll"), fenster_);
    });
    BoxBeantworter schliesser;

    QTest::mousePress(knopf_, Qt::LeftButton);
    QVERIFY(Feuern(timer_));
    QCOMPARE(schliesser.texte().size(), 1);
    QVERIFY(!timer_->isActive());
    QVERIFY(!knopf_->isDown());
    QCOMPARE(klicks_, 1);
}

void TestAutoRepeatButton::nameForScreenReaders_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("gesetzterName");  // accessibleName from the .ui file
    QTest::addColumn<QString>("nameVorher");
    QTest::addColumn<QString>("nameNachher");  // after the hint changed

    QTest::newRow("picture only: the hint") << ""
                                            << ""
                                            << "Nach links drehen"
                                            << "Nach rechts drehen";
    QTest::newRow("with text: the text") << "+"
                                         << ""
                                         << "+"
                                         << "+";
    QTest::newRow("a set name stays") << ""
                                      << "Drehung"
                                      << "Drehung"
                                      << "Drehung";
}

void TestAutoRepeatButton::nameForScreenReaders()
{
    QFETCH(QString, text);
    QFETCH(QString, gesetzterName);
    QFETCH(QString, nameVorher);
    QFETCH(QString, nameNachher);

    // Built in the order uic uses: the tool tip before the text and the name.
    auto* knopf = new TRxSpeedButton(fenster_);
    QPixmap bild(16, 16);
    bild.fill(Qt::darkBlue);
    knopf->setIcon(QIcon(bild));
    knopf->setToolTip(QStringLiteral("Nach links drehen"));
    knopf->setText(text);
    if (!gesetzterName.isEmpty())
        knopf->setAccessibleName(gesetzterName);
    knopf->show();

    QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(knopf);
    QVERIFY(zugang);
    QCOMPARE(zugang->text(QAccessible::Name), nameVorher);
    knopf->setToolTip(QStringLiteral("Nach rechts drehen"));
    QCOMPARE(zugang->text(QAccessible::Name), nameNachher);
}

void TestAutoRepeatButton::screenReaderPresses()
{
    // Pressing through the accessible interface runs the handler once, like a click.
    QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(knopf_);
    QVERIFY(zugang);
    QCOMPARE(zugang->role(), QAccessible::Button);
    QAccessibleActionInterface* aktionen = zugang->actionInterface();
    QVERIFY(aktionen);
    QVERIFY(aktionen->actionNames().contains(QAccessibleActionInterface::pressAction()));
    aktionen->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(klicks_, 1);
    QVERIFY(!timer_->isActive());
}

QTEST_MAIN(TestAutoRepeatButton)
#include "test_autorepeatbutton.moc"
