#pragma once
// The info dialog ("Info . . ."): product, version, date, rights holder, where to write,
// and a few words about the program. Modal, of fixed size, centred on the screen.

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

private:
    std::unique_ptr<Ui::TInfoForm> ui;
};

}  // namespace orbisto
