#pragma once
// The window of the cuboid net: switches for the scene, its edges and faces, the three
// dimensions, and one switch per face that unfolds it. Every control copies the whole
// window into the model and redraws.

#include "app/szenenform.h"
#include "scenes/math/quadernetz.h"

#include <memory>

namespace Ui {
class TQuaderNetzForm;
}

namespace orbisto {

class TQuaderNetzForm : public TSzenenForm {
    Q_OBJECT

public:
    // Reads none of its controls yet: the model keeps its start state until the first change.
    TQuaderNetzForm(const SzenenUmgebung& umgebung, TQuaderNetz& modell);
    ~TQuaderNetzForm() override;

protected:
    void DatenAenderungClick() override;

private:
    std::unique_ptr<Ui::TQuaderNetzForm> ui;
    TQuaderNetz& modell_;
};

}  // namespace orbisto
