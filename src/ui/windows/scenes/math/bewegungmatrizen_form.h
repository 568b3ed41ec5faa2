#pragma once
// The window of motion with matrices: switches for the cuboid, its faces, the components
// of A and the trail; the list of the corners; buttons that shift and turn the box by the
// chosen steps; and a 4 x 4 matrix that the lettered buttons apply to one corner or, with
// "alle", to all. Every step button repeats while held; every step, every switch but the
// rotation axes and every step list redraws at once. Closing switches the scene off and
// puts the cuboid back to its start.

#include "scenes/math/bewegungmatrizen.h"
#include "widgets/szenenform.h"

#include <functional>
#include <memory>

namespace Ui {
class TBewegungMatrizenForm;
}

namespace orbisto {

class TBewegungMatrizenForm : public TSzenenForm {
    Q_OBJECT

public:
    // Shows the model's settings and puts the cuboid to its start; draws nothing.
    TBewegungMatrizenForm(const SzenenUmgebung& umgebung, TBewegungMatrizen& modell);
    ~TBewegungMatrizenForm() override;

protected:
    // The switches and the two steps into the model, then the list and the picture. The
    // axis switches are left to the rotation buttons, which read them when pressed.
    void DatenAenderungClick() override;

private:
    // Gives the step buttons their pictures and their handlers.
    void KnoepfeVerbinden();
    void KoordinatenAnzeigen();
    // Runs one step of the model, then lists the corners and redraws. A step that fails
    // throws on to its button, which stops repeating and shows the error once.
    void Schritt(const std::function<void()>& aenderung);
    TBewegungMatrizen::tAchsen DrehAchsen() const;
    TBewegungMatrizen::tMatrixFelder MatrixFelder() const;

    std::unique_ptr<Ui::TBewegungMatrizenForm> ui;
    TBewegungMatrizen& modell_;
};

}  // namespace orbisto
