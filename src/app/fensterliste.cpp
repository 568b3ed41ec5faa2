#include "app/fensterliste.h"

#include "app/orbisto2013_form.h"
#include "app/programm.h"
#include "app/szenentabelle.h"
#include "view/einstellungen_form.h"

#include <QAction>
#include <QPointer>

#include <stdexcept>

namespace orbisto {

TFensterliste::TFensterliste(Programm& programm, TOrbisto2013Form& hauptfenster)
{
    einstellungen_ =
        new TEinstellungenForm(programm.KoSys, &hauptfenster, [&hauptfenster] { hauptfenster.ZeichnenAnfordern(); });
    hauptfenster.EinstellungenAnzeigenSetzen([fenster = QPointer<TEinstellungenForm>(einstellungen_)] {
        if (fenster)
            fenster->EinstellungenAnzeigen();
    });
    auto* projektionsdaten = hauptfenster.findChild<QAction*>(QStringLiteral("ProjektionsdatenMen"));
    if (!projektionsdaten)
        throw std::logic_error("the main window has no menu item ProjektionsdatenMen");
    QObject::connect(projektionsdaten, &QAction::triggered, einstellungen_, &TEinstellungenForm::Zeigen);

    const SzenenUmgebung umgebung{programm, [&hauptfenster] { hauptfenster.Zeichnen(); }, &hauptfenster};
    for (const SzenenEintrag& e : SzenenTabelle) {
        const QString name = QString::fromUtf8(e.menue.data(), static_cast<qsizetype>(e.menue.size()));
        auto* menue = hauptfenster.findChild<QAction*>(name);
        if (!menue)
            throw std::logic_error("scene table: the main window has no menu item " + name.toStdString());
        if (!e.anlegen) {
            menue->setEnabled(false);
            continue;
        }
        // Parented to the main window, which thereby owns it.
        TSzenenForm* fenster = e.anlegen(umgebung).release();
        szenen_[static_cast<std::size_t>(e.nr)] = fenster;
        QObject::connect(menue, &QAction::triggered, fenster, &TSzenenForm::Zeigen);
    }
}

}  // namespace orbisto
