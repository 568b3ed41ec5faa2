#include "app/sprache.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace orbisto {

bool DeutschEinrichten(QCoreApplication& app)
{
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    QLocale::setDefault(deutsch);
    auto* uebersetzung = new QTranslator(&app);
    if (!uebersetzung->load(deutsch, QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete uebersetzung;
        return false;
    }
    app.installTranslator(uebersetzung);
    return true;
}

}  // namespace orbisto
