#pragma once
// The picture of the drawing surface for other programs: "Grafik kopieren" puts it on the
// clipboard, "Grafik als JPG speichern unter ..." writes it as a JPEG file. Both draw a
// fresh frame first, so what they hand on is the current state, not the last frame shown.

#include "widgets/dateidialog.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QWidget;

namespace orbisto {

class TOrbisto2013Form;

class TGrafikExport : public QObject {
    Q_OBJECT

public:
    // Wires the two menu items of the main window; lives as long as the window.
    TGrafikExport(TOrbisto2013Form& form, QAction* kopieren, QAction* speichernUnter);

    // The save dialog: title "Grafik speichern", filters "Alle Dateien" (chosen) and
    // "JPEG-Dateien (*.jpg)", ending "jpg" added to a name without one, asks before
    // overwriting, starts in the folder of GrafikDatei.
    static DateiDialog SpeichernDialog(const QString& verzeichnis);
    // Tests put their own answer to the dialog here.
    void DialogSetzen(DateiDialogFunktion dialog) { dialog_ = std::move(dialog); }

    // Draws a frame now and returns the drawing surface's pixels, exactly as large as the
    // surface. Throws, with the pass's own message, when that pass fails: a stale picture
    // is never handed on as the current one.
    QImage Erfassen();

    // The picture on the clipboard, replacing what was there.
    void GrafikKopierenMenClick();
    // Asks for a file name (kept in GrafikDatei), writes the picture there as JPEG and
    // tells a failure in a box. Cancelling changes nothing. A redraw is requested in any case.
    void GrafikSpeichernUnterMenClick();

private:
    TOrbisto2013Form& form_;
    DateiDialogFunktion dialog_;
};

}  // namespace orbisto
