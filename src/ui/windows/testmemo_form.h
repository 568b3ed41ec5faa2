#pragma once
// The test window: a memo for diagnostic output, made at start-up and opened from the
// "Test" menu item, which is hidden. It keeps its text until "Löschen" or program end.

#include <QMainWindow>

#include <memory>

class QPlainTextEdit;

namespace Ui {
class TTestMemoForm;
}

namespace orbisto {

class TTestMemoForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TTestMemoForm(QWidget* hauptfenster = nullptr);
    ~TTestMemoForm() override;

    QPlainTextEdit* TM() const;

    // Shows the window and brings it to the front.
    void Zeigen();

    // "Fixieren" / "Normal": above every other window or back to normal.
    void FixierenMenClick();
    // "Löschen": empties the memo.
    void LoeschenMenClick();
    // "Schließen": closes the window; its text stays.
    void SchliessenMenClick();

private:
    std::unique_ptr<Ui::TTestMemoForm> ui;
};

}  // namespace orbisto
