#pragma once
// The window of the intersection scene: the pair to intersect, both objects in
// point-direction form with whole-number spin edits, and six free number fields for the
// intersection the student worked out (xs, and for two planes rs).
//
// - Every switch and spin edit copies the whole window into the model and redraws once.
// - A number field is taken when it is left or stepped by its arrow buttons, not while
//   it is typed in. Leaving it with a text that is no number is refused: the click that
//   would leave it does not reach its control, a message says why, the field is emptied
//   and the focus is back in it. Its arrow buttons report such a text and change nothing.
// - A field that holds no number keeps its last number in the model, so switches,
//   spin edits and closing the window still work while it is being corrected.
// - The example buttons fill in a whole example and redraw once, also when the spin
//   edits already showed its values.
//
// Placement, the spin edits' ranges and typed numbers, closing (main switch off) and
// error boxes come from TSzenenForm.

#include "scenes/math/schnittge.h"
#include "widgets/szenenform.h"

#include <array>
#include <memory>

class QLineEdit;

namespace Ui {
class TSchnittGEForm;
}

namespace orbisto {

class TSchnittGEForm : public TSzenenForm {
    Q_OBJECT

public:
    // Shows the model's settings (example 1 in a new model) and hands them back to it;
    // draws nothing, since the scene starts switched off.
    TSchnittGEForm(const SzenenUmgebung& umgebung, TSchnittGE& modell);
    ~TSchnittGEForm() override;

protected:
    void DatenAenderungClick() override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    tVektorFelder P1Felder() const;
    tVektorFelder U1Felder() const;
    tVektorFelder V1Felder() const;
    tVektorFelder P2Felder() const;
    tVektorFelder U2Felder() const;
    tVektorFelder V2Felder() const;

    void Fuellen(const tSchnittGEEinstellungen& e);
    // Controls -> model, and the captions and rows that belong to the chosen pair. A number
    // the model refuses raises its German message, and nothing changes.
    void Uebernehmen();
    void BeschriftungSetzen(tSchnittart art);
    void BeispielLaden(int nr);
    // A field is left: its number is taken, or leaving is refused.
    void KomponenteEditExit(QLineEdit* feld);
    void AbweisenPlanen();
    void Abweisen();
    void KomponenteSchritt(QLineEdit* feld, int schritt);

    std::unique_ptr<Ui::TSchnittGEForm> ui;
    TSchnittGE& modell_;
    std::array<QLineEdit*, 6> felder_{};  // xs, then rs, each x, y, z
    QLineEdit* abgewiesen_ = nullptr;     // the field that may not be left, until its box has been shown
    bool abweisenGeplant_ = false;
};

}  // namespace orbisto
