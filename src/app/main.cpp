#include "app/fensterliste.h"
#include "app/meldungen.h"
#include "app/oglpanel_widget.h"
#include "app/orbisto2013_form.h"
#include "app/programm.h"
#include "app/sprache.h"
#include "platform/glpruefen.h"

#include <QApplication>
#include <QFont>

namespace {

// An error that no handler caught ends that handler and is shown in one box; the
// program keeps running.
class OrbistoApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* empfaenger, QEvent* ereignis) override
    {
        bool ergebnis = false;
        orbisto::FehlerAbfangen([&] { ergebnis = QApplication::notify(empfaenger, ereignis); });
        return ergebnis;
    }
};

}  // namespace

int main(int argc, char* argv[])
{
    orbisto::TOGLPanel::StandardFormatSetzen();  // before any widget exists

    OrbistoApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Orbisto"));
    app.setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    orbisto::DeutschEinrichten(app);

    if (!orbisto::OpenGLVerfuegbar()) {
        orbisto::Fehlermeldung(QStringLiteral("OpenGL steht auf diesem Rechner nicht zur Verfügung.\r"
                                              "Orbisto braucht es für die Grafik und wird beendet."));
        return 1;
    }

    orbisto::Programm programm;  // the view state exists before any window
    orbisto::TOrbisto2013Form hauptfenster(programm);
    const orbisto::TFensterliste fenster(programm, hauptfenster);
    hauptfenster.show();
    return app.exec();
}
