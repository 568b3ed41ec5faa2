#pragma once
// The fixture of a scene window test: a fresh program, a main window to place against, the
// scene's model and its window, and a count of the redraws the window asks for. A test
// class derives from QObject and from SzenenFenster<Model, Form>, calls Einrichten() in
// initTestCase, Anlegen() in init and Abbauen() in cleanup, and finds controls by name.

#include "app/fensterliste.h"
#include "fensterelement.h"
#include "fensterpruefung.h"
#include "programm/programm.h"
#include "widgets/autorepeatbutton_widget.h"
#include "widgets/spinedit_widget.h"
#include "widgets/szenenform.h"
#include "windows/oglpanel_widget.h"
#include "windows/orbisto2013_form.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

#include <functional>
#include <initializer_list>
#include <memory>

template <class Modell, class Form>
class SzenenFenster {
protected:
    std::unique_ptr<orbisto::Programm> programm;
    std::unique_ptr<QWidget> hauptfenster;
    std::unique_ptr<Modell> modell;
    std::unique_ptr<Form> form;
    int zeichnungen = 0;

    // Once per test program: the program's GL format, windows that may all be closed,
    // and the test font.
    static void Einrichten() { FenstertestEinrichten(); }

    // Before each test: the main window at (100, 120), a model in its start state (or as
    // `vorbereiten` leaves it) and the window made for it, hidden.
    void Anlegen(const std::function<void(Modell&)>& vorbereiten = {})
    {
        zeichnungen = 0;
        programm = std::make_unique<orbisto::Programm>();
        hauptfenster = std::make_unique<QWidget>();
        hauptfenster->move(100, 120);
        modell = std::make_unique<Modell>();
        if (vorbereiten)
            vorbereiten(*modell);
        form = std::make_unique<Form>(orbisto::SzenenUmgebung{*programm, [this] { ++zeichnungen; }, hauptfenster.get()},
                                      *modell);
    }

    void Abbauen()
    {
        form.reset();
        modell.reset();
        hauptfenster.reset();
        programm.reset();
    }

    template <class T>
    T* element(const char* name) const
    {
        return Element<T>(form.get(), name);
    }
    orbisto::TSpinEdit* feld(const char* name) const { return element<orbisto::TSpinEdit>(name); }
    QCheckBox* schalter(const char* name) const { return element<QCheckBox>(name); }
    QRadioButton* radio(const char* name) const { return element<QRadioButton>(name); }
    QLabel* label(const char* name) const { return element<QLabel>(name); }

    // Shows the window as its menu item does and waits until it is on screen.
    void zeigen() const
    {
        form->Zeigen();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    // The three spin edits <vorn>xSpinEdit, <vorn>ySpinEdit, <vorn>zSpinEdit as one vector.
    orbisto::tVektor3 vektor(const char* vorn) const
    {
        const QString n = QString::fromLatin1(vorn);
        return {double(feld(qPrintable(n + "xSpinEdit"))->Value()), double(feld(qPrintable(n + "ySpinEdit"))->Value()),
                double(feld(qPrintable(n + "zSpinEdit"))->Value())};
    }

    // A click on the indicator of a check box or radio button, where a user clicks it.
    static void klicken(QAbstractButton* b)
    {
        QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(6, b->height() / 2));
    }
    void klicken(const char* name) const { klicken(element<QAbstractButton>(name)); }

    // The caption of a check box, radio button or label, bold or not, in its colour (an
    // invalid colour: the default).
    struct tBeschriftung {
        const char* name;
        QString text;
        bool fett;
        QColor farbe;
    };
    void BeschriftungenPruefen(std::initializer_list<tBeschriftung> liste) const
    {
        for (const tBeschriftung& b : liste) {
            QWidget* w = element<QWidget>(b.name);
            QCOMPARE(w->property("text").toString(), b.text);
            QVERIFY2(w->font().bold() == b.fett, b.name);
            if (b.farbe.isValid())
                QVERIFY2(w->palette().color(w->foregroundRole()) == b.farbe, b.name);
        }
    }

    orbisto::TRxSpeedButton* knopf(const char* name) const { return element<orbisto::TRxSpeedButton>(name); }

    // A click on one of a pair of up/down buttons beside a spin edit: from `vorher` the field
    // shows `nachher` (kept within its range) and the picture is drawn anew.
    struct tSchrittKlick {
        const char* knopf;
        const char* feld;
        int vorher, nachher;
    };
    void SchrittKlicksPruefen(std::initializer_list<tSchrittKlick> faelle)
    {
        for (const tSchrittKlick& f : faelle) {
            feld(f.feld)->setValue(f.vorher);
            const int vorher = zeichnungen;
            QTest::mouseClick(knopf(f.knopf), Qt::LeftButton);
            QCOMPARE(feld(f.feld)->Value(), f.nachher);
            QVERIFY2(zeichnungen > vorher, f.knopf);
        }
    }

    // A text typed into a spin edit reaches the model as the nearest allowed number:
    // `imModell` then reads `wert`.
    struct tGetippt {
        const char* feld;
        const char* text;
        std::function<int()> imModell;
        int wert;
    };
    void GetipptPruefen(std::initializer_list<tGetippt> faelle)
    {
        for (const tGetippt& f : faelle) {
            feld(f.feld)->setText(QString::fromLatin1(f.text));
            QVERIFY2(f.imModell() == f.wert,
                     qPrintable(QStringLiteral("%1 \"%2\": %3 instead of %4")
                                    .arg(QString::fromLatin1(f.feld), QString::fromLatin1(f.text))
                                    .arg(f.imModell())
                                    .arg(f.wert)));
        }
    }
};

// The real program around a scene, for the test that opens it from its menu and looks at
// the view: the main window with every window of the start-up list.
class EchtesProgramm {
public:
    orbisto::Programm p;
    orbisto::TOrbisto2013Form haupt{p};
    const orbisto::TFensterliste fenster{p, haupt};

    // The list counts as saved, so closing the main window asks nothing.
    ~EchtesProgramm() { p.Gespeichert = true; }

    // Shows the main window and waits until its first pass and the set-up's deferred
    // request are over, so what a test counts starts from rest.
    bool Zeigen()
    {
        haupt.show();
        return QTest::qWaitForWindowExposed(&haupt) &&
               QTest::qWaitFor([this] { return gl()->Durchgaenge() >= 1 && !haupt.OGLTimer.isActive(); });
    }

    orbisto::TOGLPanel* gl() const { return haupt.OGLPanel(); }
    QAction* Menue(const char* name) const { return haupt.findChild<QAction*>(QString::fromLatin1(name)); }

    // The window and the model of a scene as the program made them.
    template <class Form>
    Form* Fenster(orbisto::SzenenNr nr) const
    {
        return qobject_cast<Form*>(fenster.Szene(nr));
    }
    template <class Modell>
    Modell& Szene(orbisto::SzenenNr nr) const
    {
        return dynamic_cast<Modell&>(*p.Szenen.Holen(nr));
    }
};
