#pragma once
// The common base of the 22 scene windows. A scene window only wires its controls to its
// model; what all of them share lives here:
//
// - It appears 50 px right of and below the main window (placed when it is made).
// - Check boxes and radio buttons run their handler whenever their state changes, also when
//   the program changes it (Qt's toggled, not clicked): a check box on every change, a radio
//   button when it becomes the checked one. A screen reader's toggle reaches the handler too.
// - Spin edits run it on every change of their text (TSpinEdit::Change): typed, stepped or set.
// - Closing the window switches the scene's main check box off; its handler then stores the
//   switch in the model and redraws, so a closed scene disappears from the picture.
// - An error raised by a handler is shown in the one error box and goes no further.
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
// whose constructor builds the .ui, sets the start values, names the main switch, wires the
// controls (SchalterVerbinden, SpinEditsVerbinden) and runs DatenAenderungClick once.
// src/scenes/math/vektorgerade_form.* is the example.

#include <QWidget>

#include <functional>

class QAbstractButton;
class QCheckBox;

namespace orbisto {

class Programm;

// What a scene window is given: the program state, the way to redraw at once, and the main
// window it is placed against.
struct SzenenUmgebung {
    Programm& programm;
    std::function<void()> zeichnen;
    QWidget* hauptfenster = nullptr;
};

class TSzenenForm : public QWidget {
    Q_OBJECT

public:
    // The window is a top-level window of its own above the main window.
    explicit TSzenenForm(const SzenenUmgebung& umgebung);

    // Shows the window and brings it to the front, changing nothing else (the scene menus).
    void Zeigen();

protected:
    Programm& programm() const { return programm_; }
    // The render pass, at once.
    void Zeichnen() const;

    // The window's shared change handler: copies the controls into the model, recomputes
    // the result texts and redraws.
    virtual void DatenAenderungClick() {}

    // Wires every check box and radio button of the window to DatenAenderungClick. Call at
    // the end of the constructor, after the controls exist and have their initial states.
    void SchalterVerbinden();
    // Wires one check box or radio button to a handler of its own instead.
    void SchalterVerbinden(QAbstractButton* schalter, std::function<void()> onClick);
    // Wires every spin edit of the window to DatenAenderungClick. Call it after the start
    // values are set, so setting them runs nothing.
    void SpinEditsVerbinden();

    // The check box that switches the whole scene on and off.
    void HauptschalterSetzen(QCheckBox* schalter) { hauptschalter_ = schalter; }

    void closeEvent(QCloseEvent* event) override;

private:
    Programm& programm_;
    std::function<void()> zeichnen_;
    QCheckBox* hauptschalter_ = nullptr;
};

}  // namespace orbisto
