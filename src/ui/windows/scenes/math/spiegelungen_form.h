#pragma once
// The window "Spiegelungen" of the scene of the same name (menu "Mat-Szenen"). At the top
// the main switch; on the left the figure (point, segment or triangle), the ball size and
// the coordinates of P1, P2 and P3 in one column each; on the right the seven reflections;
// at the bottom the joining lines and the two examples.
//
// Every check box, radio button and spin edit runs the one change handler, which copies
// the controls into the model and redraws. Placement, typed numbers, closing (main switch
// off) and error boxes come from TSzenenForm.

#include "scenes/math/spiegelungen.h"
#include "widgets/szenenform.h"

#include <array>
#include <memory>

class QCheckBox;

namespace Ui {
class TSpiegelungenForm;
}

namespace orbisto {

class TSpiegelungenForm : public TSzenenForm {
    Q_OBJECT

public:
    // FormCreate: placed beside the main window, hidden, showing example 1 and the point
    // alone; the handler runs once.
    TSpiegelungenForm(const SzenenUmgebung& umgebung, TSpiegelungen& modell);
    ~TSpiegelungenForm() override;

protected:
    // DatenAenderungClick: every control into the model, then Zeichnen. A number the model
    // refuses raises its German message, and nothing changes.
    void DatenAenderungClick() override;

private:
    // The example buttons: the nine coordinates as the example has them. They run the
    // handler once if that changed a coordinate, and do nothing if the window showed the
    // example already.
    void BeispielLaden(const TSpiegelungen::tBeispiel& beispiel);

    std::array<tVektorFelder, 3> Punkte() const;
    std::array<QCheckBox*, SpiegelungAnzahl> SpiegelungBoxen() const;

    std::unique_ptr<Ui::TSpiegelungenForm> ui;
    TSpiegelungen& modell_;
};

}  // namespace orbisto
