#include "app/grafikexport.h"

#include "app/meldungen.h"
#include "app/oglpanel_widget.h"
#include "app/orbisto2013_form.h"
#include "app/programm.h"
#include "core/allgemeinerfehler.h"
#include "platform/bilddatei.h"

#include <QAction>
#include <QClipboard>
#include <QFileDialog>
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
    connect(kopieren, &QAction::triggered, this, [this] { FehlerAbfangen([this] { GrafikKopierenMenClick(); }); });
    connect(speichernUnter, &QAction::triggered, this,
            [this] { FehlerAbfangen([this] { GrafikSpeichernUnterMenClick(); }); });
}

QString TGrafikExport::DateiWaehlen(QWidget* parent, const QString& verzeichnis)
{
    QFileDialog dialog(parent, QStringLiteral("Grafik speichern"), verzeichnis);
    dialog.setObjectName(QStringLiteral("GrafikJPEGSaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QString alle = QStringLiteral("Alle Dateien (*)");
    dialog.setNameFilters({alle, QStringLiteral("JPEG-Dateien (*.jpg)")});
    dialog.selectNameFilter(alle);
    dialog.setDefaultSuffix(QStringLiteral("jpg"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
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
    const QString verzeichnis = QFileInfo(QString::fromStdString(programm.GrafikDatei)).absolutePath();
    const QString datei = dateiWahl_(&form_, verzeichnis);
    std::exception_ptr zeichenFehler;
    QString meldung;
    if (!datei.isEmpty()) {
        programm.GrafikDatei = datei.toStdString();
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
