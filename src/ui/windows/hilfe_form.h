#pragma once
// The help window: an HTML page that the program assembles from lines of text. It is
// made once at start-up, keeps its last page until a new one is built and can be held
// above every other window ("Hilfe fixieren").

#include <QMainWindow>
#include <QStringList>

#include <memory>

namespace Ui {
class THtmlHilfeForm;
}

namespace orbisto {

class THtmlHilfeForm : public QMainWindow {
    Q_OBJECT

public:
    // Places itself at the right edge of the screen of `hauptfenster`, which owns it.
    explicit THtmlHilfeForm(QWidget* hauptfenster = nullptr);
    ~THtmlHilfeForm() override;

    // Building a page: empty the text, set the caption, append lines, then show them.
    void HilfeLeeren();
    void HilfeTitel(const QString& titel);
    void HilfeZeile(const QString& zeile);
    // Wraps the lines in the document head (pale yellow page, Verdana size 2) and end and
    // loads the result into the viewer. The lines themselves stay as they are, so a second
    // call shows the same page.
    void HilfeAnzeigen();

    // The document last loaded into the viewer, one entry per line.
    const QStringList& Dokument() const { return dokument_; }

    // Shows the window and brings it to the front.
    void Zeigen();

    // "Hilfe fixieren" / "Hilfe normal": above every other window or back to normal.
    void fixierenMenClick();
    // "schließen": back to normal, then closed.
    void schliessenMenClick();

private:
    std::unique_ptr<Ui::THtmlHilfeForm> ui;
    QStringList hilfeText_;
    QStringList dokument_;
};

}  // namespace orbisto
