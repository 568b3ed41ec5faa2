#pragma once
// The common base of the 22 scene windows: the scene kit of the window side. A scene
// window only wires its controls to its model; what all of them share lives here:
//
// - It appears 50 px right of and below the main window (placed when it is made).
// - Check boxes and radio buttons run their handler whenever their state changes, also when
//   the program changes it (Qt's toggled, not clicked): a check box on every change, a radio
//   button when it becomes the checked one. A screen reader's toggle reaches the handler too.
// - Spin edits run it on every change of their text (TSpinEdit::Change): typed, stepped or set.
// - Typed numbers follow one rule in every scene: the range and step of a spin edit come from
//   the model's declaration (Bereich); while a number is typed nothing interrupts, and the
//   handler reads the field with TSpinEdit::WertImBereich, so the model only ever sees an
//   allowed number; when the field is left, an out-of-range number is put into range, and
//   the field shows it.
// - Closing the window unchecks the boxes named with SchliessenSetzen, in their order, each
//   running its handler; then runs what else closing does. With none named, closing
//   changes nothing.
// - Every handler wired here runs through FehlerAbfangen: an error is shown in the one error
//   box and goes no further. While an Ausfuellen guard lives, these handlers do not run, so
//   filling many controls runs nothing until the window runs its handler once.
// - Destroying the window cuts every wire from its controls to it first, so a control that
//   reacts to its own destruction (a focused spin edit putting a typed number into range)
//   reaches no half-destroyed window.
//
// A scene window is then a .ui file and a short class:
//
//   class TVektorGeradeForm : public TSzenenForm {
//   public:
//       TVektorGeradeForm(const SzenenUmgebung& u, TVektorGerade& modell);
//   protected:
//       void DatenAenderungClick() override;  // controls -> model, result texts, Zeichnen()
//   };
//
// whose constructor builds the .ui, sets ranges and start values, names the boxes closing
// unchecks, wires the controls (SchalterVerbinden, SpinEditsVerbinden, Verbinden) and runs
// DatenAenderungClick once. src/ui/windows/scenes/math/vektorgerade_form.* is the example.

#include "core/vektor3.h"

#include <QWidget>

#include <array>
#include <functional>
#include <initializer_list>
#include <vector>

class QAbstractButton;
class QScrollBar;

namespace orbisto {

class Programm;
class TRxSpeedButton;
class TSpinEdit;
struct tZahlFeld;

// What a scene window is given: the program state, the way to redraw at once, and the main
// window it is placed against.
struct SzenenUmgebung {
    Programm& programm;
    std::function<void()> zeichnen;
    QWidget* hauptfenster = nullptr;
};

// Three spin edits that hold the components of one vector.
struct tVektorFelder {
    TSpinEdit *x, *y, *z;
    tVektor3 Lesen() const;  // each component read with WertImBereich
    void Setzen(const tVektor3& v) const;
};

class TSzenenForm : public QWidget {
    Q_OBJECT

public:
    // The window is a top-level window of its own above the main window.
    explicit TSzenenForm(const SzenenUmgebung& umgebung);
    ~TSzenenForm() override;

    // Shows the window and brings it to the front, changing nothing else (the scene menus).
    void Zeigen();

protected:
    Programm& programm() const { return programm_; }
    // The render pass, at once.
    void Zeichnen() const;

    // The window's shared change handler: copies the controls into the model, recomputes
    // the result texts and redraws.
    virtual void DatenAenderungClick() {}

    // A spin edit's range and step as the model declares them.
    static void Bereich(TSpinEdit* feld, const tZahlFeld& zahlFeld);
    static void Bereich(const tVektorFelder& felder, const tZahlFeld& zahlFeld);

    // Wires every check box and radio button of the window, except those named, to
    // DatenAenderungClick. Call at the end of the constructor, after the controls exist and
    // have their initial states.
    void SchalterVerbinden(std::initializer_list<const QAbstractButton*> ausser = {});
    // Wires one check box or radio button to a handler of its own instead.
    void SchalterVerbinden(QAbstractButton* schalter, std::function<void()> handler);
    // Wires every spin edit of the window to DatenAenderungClick. Call it after the start
    // values are set, so setting them runs nothing.
    void SpinEditsVerbinden();
    // Wires any signal of a control to a handler, through FehlerAbfangen and the guard.
    template <class Sender, class Signal>
    void Verbinden(Sender* quelle, Signal signal, std::function<void()> handler)
    {
        connect(quelle, signal, this, [this, handler = std::move(handler)] { Ausfuehren(handler); });
    }
    // Buttons that load the numbered examples 1, 2, … in their order: a click runs
    // `laden(nr)`, which fills the controls as one change, and then the change handler once.
    void BeispielKnoepfe(std::initializer_list<QAbstractButton*> knoepfe, std::function<void(int)> laden);
    // A pair of up/down buttons beside a spin edit, each click moving the field by `schritt`
    // within its range (its change event runs the handler) and then redrawing. The buttons
    // get the up and down glyphs.
    void SchrittKnoepfe(TRxSpeedButton* hoeher, TRxSpeedButton* tiefer, TSpinEdit* feld, int schritt);

    // Wires a horizontal scroll bar to DatenAenderungClick. It steps forward with the right
    // arrow key and back with the left one: Qt's scroll bars invert their controls so that
    // the wheel runs the natural way, which also turns the horizontal arrow keys round.
    void LeisteVerbinden(QScrollBar* leiste);

    // The boxes closing unchecks, in this order, and what closing does after them.
    void SchliessenSetzen(std::vector<QAbstractButton*> boxen, std::function<void()> danach = {});

    // While an instance lives, the handlers wired by this class wait: filling many controls
    // at once runs nothing. Nests.
    class Ausfuellen {
    public:
        explicit Ausfuellen(TSzenenForm& form) : form_(form) { ++form_.ausfuellen_; }
        ~Ausfuellen() { --form_.ausfuellen_; }
        Ausfuellen(const Ausfuellen&) = delete;
        Ausfuellen& operator=(const Ausfuellen&) = delete;

    private:
        TSzenenForm& form_;
    };

    void closeEvent(QCloseEvent* event) override;
    // Before the window is first shown: every push button is at least as wide as its
    // caption with the style's margins, whatever the font, also where its row has no room
    // to spare (Qt's own hint allows less than the margins).
    bool event(QEvent* event) override;

private:
    void Ausfuehren(const std::function<void()>& handler);

    Programm& programm_;
    std::function<void()> zeichnen_;
    std::vector<QAbstractButton*> schliessenBoxen_;
    std::function<void()> schliessenDanach_;
    int ausfuellen_ = 0;
};

}  // namespace orbisto
