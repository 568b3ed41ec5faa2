#pragma once
// The window of motion with matrices: switches for the cuboid, its faces, the components
// of A and the trail; the list of the corners; buttons that shift and turn the box by the
// chosen steps; and a 4 x 4 matrix that the lettered buttons apply to one corner or, with
// "alle", to all. Every step button repeats while held; every step and every switch
// redraws at once.

#include "app/szenenform.h"
#include "scenes/math/bewegungmatrizen.h"

#include <functional>
#include <memory>

namespace Ui {
class TBewegungMatrizenForm;
}

namespace orbisto {

class TBewegungMatrizenForm : public TSzenenForm {
    Q_OBJECT

public:
    // Puts the model's steps to the selected items and the cuboid to its start; draws nothing.
    TBewegungMatrizenForm(const SzenenUmgebung& umgebung, TBewegungMatrizen& modell);
    ~TBewegungMatrizenForm() override;

protected:
    void DatenAenderungClick() override;
    // Besides switching the scene off, puts the cuboid back to its start.
    void closeEvent(QCloseEvent* event) override;

private:
    // Gives the step buttons their pictures and their handlers.
    void KnoepfeVerbinden();
    void SchritteLesen();
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
