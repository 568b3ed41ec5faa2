#pragma once
// The window of the cuboid net: switches for the scene, its edges and faces, the three
// dimensions, and one switch per face that unfolds it. Every control copies the whole
// window into the model and redraws. Placement, typed numbers, closing (main switch off)
// and error boxes come from TSzenenForm.

#include "scenes/math/quadernetz.h"
#include "widgets/szenenform.h"

#include <memory>

namespace Ui {
class TQuaderNetzForm;
}

namespace orbisto {

class TQuaderNetzForm : public TSzenenForm {
    Q_OBJECT

public:
    // Shows the model's settings; nothing runs and nothing is drawn until a control changes.
    TQuaderNetzForm(const SzenenUmgebung& umgebung, TQuaderNetz& modell);
    ~TQuaderNetzForm() override;

protected:
    // The whole window into the model, then Zeichnen. The spin edits are read in range,
    // so the model is only handed numbers it allows.
    void DatenAenderungClick() override;

private:
    std::unique_ptr<Ui::TQuaderNetzForm> ui;
    TQuaderNetz& modell_;
};

}  // namespace orbisto
