#include "app/fensterliste.h"

#include "app/szenentabelle.h"
#include "programm/programm.h"
#include "widgets/meldungen.h"
#include "windows/einstellungen_form.h"
#include "windows/hilfe_form.h"
#include "windows/hilfeseite.h"
#include "windows/info_form.h"
#include "windows/orbisto2013_form.h"
#include "windows/testmemo_form.h"

#include <QAction>
#include <QPointer>

#include <stdexcept>

namespace orbisto {

namespace {

QAction* Menue(const TOrbisto2013Form& hauptfenster, const QString& name)
{
    auto* menue = hauptfenster.findChild<QAction*>(name);
    if (!menue)
        throw std::logic_error("the main window has no menu item " + name.toStdString());
    return menue;
}

}  // namespace

TFensterliste::TFensterliste(Programm& programm, TOrbisto2013Form& hauptfenster)
{
    einstellungen_ =
        new TEinstellungenForm(programm.KoSys, &hauptfenster, [&hauptfenster] { hauptfenster.ZeichnenAnfordern(); });
    hauptfenster.EinstellungenAnzeigenSetzen([fenster = QPointer<TEinstellungenForm>(einstellungen_)] {
        if (fenster)
            fenster->EinstellungenAnzeigen();
    });
    QObject::connect(Menue(hauptfenster, QStringLiteral("ProjektionsdatenMen")), &QAction::triggered, einstellungen_,
                     &TEinstellungenForm::Zeigen);

    testMemo_ = new TTestMemoForm(&hauptfenster);
    info_ = new TInfoForm(&hauptfenster);
    htmlHilfe_ = new THtmlHilfeForm(&hauptfenster);
    QObject::connect(Menue(hauptfenster, QStringLiteral("TestMen")), &QAction::triggered, testMemo_,
                     [fenster = testMemo_] { FehlerAbfangen([fenster] { fenster->Zeigen(); }); });
    QObject::connect(Menue(hauptfenster, QStringLiteral("InfoMen")), &QAction::triggered, info_,
                     [fenster = info_] { FehlerAbfangen([fenster] { fenster->InfoMenClick(); }); });
    QObject::connect(Menue(hauptfenster, QStringLiteral("BeschreibungMen")), &QAction::triggered, htmlHilfe_,
                     [fenster = htmlHilfe_] { FehlerAbfangen([fenster] { BeschreibungMenClick(*fenster); }); });

    const SzenenUmgebung umgebung{programm, [&hauptfenster] { hauptfenster.Zeichnen(); }, &hauptfenster};
    for (const SzenenEintrag& e : SzenenTabelle) {
        const QString name = QString::fromUtf8(e.menue.data(), static_cast<qsizetype>(e.menue.size()));
        auto* menue = hauptfenster.findChild<QAction*>(name);
        if (!menue)
            throw std::logic_error("scene table: the main window has no menu item " + name.toStdString());
        // Parented to the main window, which thereby owns it.
        TSzenenForm* fenster = e.anlegen(umgebung).release();
        szenen_[static_cast<std::size_t>(e.nr)] = fenster;
        QObject::connect(menue, &QAction::triggered, fenster, &TSzenenForm::Zeigen);
    }
}

}  // namespace orbisto
