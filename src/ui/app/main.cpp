#include "app/fensterliste.h"
#include "app/kommandozeile.h"
#include "app/sprache.h"
#include "app/startlisten.h"
#include "core/speicher.h"
#include "platform/glpruefen.h"
#include "programm/programm.h"
#include "widgets/meldungen.h"
#include "windows/oglpanel_widget.h"
#include "windows/orbisto2013_form.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QOpenGLWidget>
#include <QTimer>

#include <cstdio>
#include <optional>

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

// Why the program cannot start, on the terminal and in a box. Platforms that show no
// window to anybody get no box: its modal loop would wait for ever for a click.
void HindernisMelden(const QString& text)
{
    std::fputs(qPrintable(QStringLiteral("orbisto: %1\n").arg(QString(text).replace(u'\r', u' '))), stderr);
    const QString plattform = QGuiApplication::platformName();
    if (plattform != QLatin1String("offscreen") && plattform != QLatin1String("minimal"))
        orbisto::Fehlermeldung(text);
}

}  // namespace

int main(int argc, char* argv[])
{
    orbisto::FreienSpeicherBehalten();
    // Pictures, help and version need no window, and must work where no display exists.
    if (orbisto::OhneFenster(argc, argv))
        return orbisto::OhneFensterAusfuehren(argc, argv);

    orbisto::TOGLPanel::StandardFormatSetzen();  // before any widget exists

    OrbistoApplication app(argc, argv);
    orbisto::AnwendungBenennen(app);
    app.setWindowIcon(QIcon(QStringLiteral(":/orbisto.svg")));
    app.setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    orbisto::DeutschEinrichten(app);
    const std::optional<QStringList> listen = orbisto::FensterArgumente(argc, argv);  // as the app left them
    if (!listen)
        return 2;

    if (const QString hindernis = orbisto::OpenGLFensterHindernis(); !hindernis.isEmpty()) {
        HindernisMelden(hindernis);
        return 1;
    }

    orbisto::Programm programm;  // the view state exists before any window
    orbisto::TOrbisto2013Form hauptfenster(programm);
    // The other windows stay hidden until asked for; they are made once the first picture
    // is on screen (or after half a second, should none come), in their order.
    std::optional<orbisto::TFensterliste> fenster;
    const auto fensterAnlegen = [&] {
        if (!fenster)
            fenster.emplace(programm, hauptfenster);
    };
    QObject::connect(
        hauptfenster.OGLPanel(), &QOpenGLWidget::frameSwapped, &hauptfenster,
        [&] { QTimer::singleShot(0, &hauptfenster, fensterAnlegen); }, Qt::SingleShotConnection);
    QTimer::singleShot(500, &hauptfenster, fensterAnlegen);
    hauptfenster.show();
    // Once the window is up, so that a message about a list has the window behind it.
    QTimer::singleShot(0, &hauptfenster, [&] { orbisto::ListenBeimStartOeffnen(hauptfenster, *listen); });
    return app.exec();
}
