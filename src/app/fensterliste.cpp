#include "app/fensterliste.h"

#include "app/orbisto2013_form.h"
#include "app/szenentabelle.h"

#include <QAction>

#include <stdexcept>

namespace orbisto {

TFensterliste::TFensterliste(Programm& programm, TOrbisto2013Form& hauptfenster)
{
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
