#include "windows/grafikexport.h"

#include "core/allgemeinerfehler.h"
#include "platform/bilddatei.h"
#include "programm/programm.h"
#include "widgets/dateinamen.h"
#include "widgets/meldungen.h"
#include "windows/oglpanel_widget.h"
#include "windows/orbisto2013_form.h"

#include <QAction>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>

#include <exception>

namespace orbisto {

namespace {

// A pass that failed while capturing: its error is the panel's, shown the way the panel
// shows it, so the two never raise two boxes for one error.
class ZeichenFehler : public AllgemeinerFehler {
public:
    using AllgemeinerFehler::AllgemeinerFehler;
};

}  // namespace

TGrafikExport::TGrafikExport(TOrbisto2013Form& form, QAction* kopieren, QAction* speichernUnter)
    : QObject(&form), form_(form)
{
    setObjectName(QStringLiteral("GrafikExport"));
    dialog_ = [this](const DateiDialog& dialog) { return DateiDialogZeigen(dialog, &form_); };
    connect(kopieren, &QAction::triggered, this, [this] { FehlerAbfangen([this] { GrafikKopierenMenClick(); }); });
    connect(speichernUnter, &QAction::triggered, this,
            [this] { FehlerAbfangen([this] { GrafikSpeichernUnterMenClick(); }); });
}

DateiDialog TGrafikExport::SpeichernDialog(const QString& verzeichnis)
{
    const QString alle = QStringLiteral("Alle Dateien (*)");
    return {DateiDialog::Art::Speichern,
            QStringLiteral("Grafik speichern"),
            {alle, QStringLiteral("JPEG-Dateien (*.jpg)")},
            alle,
            QStringLiteral("jpg"),
            verzeichnis,
            {}};
}

QImage TGrafikExport::Erfassen()
{
    TOGLPanel* panel = form_.OGLPanel();
    const long fehlerVorher = panel->Fehlschlaege();
    form_.Zeichnen();
    // Reads the framebuffer after a pass of its own, so the picture is the current state
    // even when the surface could not be repainted (hidden behind another window).
    QImage bild = panel->grabFramebuffer();
    if (panel->Fehlschlaege() != fehlerVorher)
        throw ZeichenFehler(panel->LetzterFehler().toStdString());
    if (bild.isNull())
        throw AllgemeinerFehler("Die Grafik konnte nicht gelesen werden: OpenGL steht nicht zur Verfügung");
    // The framebuffer counts device pixels; the picture has the surface's size.
    if (bild.size() != panel->size())
        bild = bild.scaled(panel->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    bild.setDevicePixelRatio(1);
    return bild;
}

void TGrafikExport::GrafikKopierenMenClick() { QGuiApplication::clipboard()->setImage(Erfassen()); }

void TGrafikExport::GrafikSpeichernUnterMenClick()
{
    Programm& programm = form_.programm();
    const QString verzeichnis = QFileInfo(DateinameText(programm.GrafikDatei)).absolutePath();
    const QString datei = dialog_(SpeichernDialog(verzeichnis)).value_or(QString());
    std::exception_ptr zeichenFehler;
    QString meldung;
    if (!datei.isEmpty()) {
        programm.GrafikDatei = DateinameBytes(datei);  // the dialog's DateinameText: the very bytes
        try {
            const QImage bild = Erfassen().convertToFormat(QImage::Format_RGB888);
            JpegSpeichern(programm.GrafikDatei, bild.constBits(), bild.width(), bild.height(),
                          static_cast<std::size_t>(bild.bytesPerLine()));
        } catch (const ZeichenFehler&) {
            zeichenFehler = std::current_exception();
        } catch (...) {
            meldung = FehlerText(std::current_exception());
        }
    }
    form_.ZeichnenAnfordern();
    if (zeichenFehler)
        std::rethrow_exception(zeichenFehler);  // shown like every error of a pass
    if (!meldung.isEmpty())
        Fehlermeldung(meldung, &form_);
}

}  // namespace orbisto
