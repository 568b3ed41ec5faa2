#pragma once
// The info dialog ("Info . . ."): product, version, date, rights holder, where to write,
// and a few words about the program. Modal, not resizable (its designed size, or more where
// its font needs it), centred on the screen.

#include <QDialog>

#include <memory>

namespace Ui {
class TInfoForm;
}

namespace orbisto {

class TInfoForm : public QDialog {
    Q_OBJECT

public:
    explicit TInfoForm(QWidget* hauptfenster = nullptr);
    ~TInfoForm() override;

    // Fills the value labels, then shows the dialog modally until "OK" closes it.
    void InfoMenClick();
    // Only the labels; InfoMenClick does this first.
    void WerteSetzen();

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    // Fixes the size and centres the dialog on its screen.
    void Einpassen();

    std::unique_ptr<Ui::TInfoForm> ui;
    QSize entwurf_;  // the designed size, the least the dialog takes
};

}  // namespace orbisto
