#include "windows/hilfe_form.h"

#include "core/zahltext.h"
#include "ui_hilfe_form.h"
#include "widgets/fensterplatz.h"
#include "widgets/meldungen.h"

#include <QAction>
#include <QScreen>

namespace orbisto {

namespace {

const QStringList DokumentKopf = {
    QStringLiteral("<html>"),
    QStringLiteral("<head>"),
    QStringLiteral("<meta charset=iso-8859-1>"),
    QStringLiteral("<title>Titelleisten-Text</title>"),
    QStringLiteral("</head>"),
    QStringLiteral("<body bgcolor=\"#ffffe6\">"),
    QStringLiteral("<font face=\"Verdana\" size=\"2\">"),
};

const QStringList DokumentEnde = {
    QStringLiteral("</font>"),
    QStringLiteral("</body>"),
    QStringLiteral("</html>"),
};

// By the rules of HTML a "<" that is not followed by a letter, "/", "!" or "?" is plain
// text, as in the arrows "[<->]" and "[-><-]" of the description page. Qt's parser takes
// it for the start of a tag and swallows everything up to the next ">", so such a "<" is
// escaped before the page is handed over.
QString SpitzeKlammernSchuetzen(const QString& html)
{
    QString ergebnis;
    ergebnis.reserve(html.size());
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar c = html[i];
        const QChar n = i + 1 < html.size() ? html[i + 1] : QChar();
        const bool tag = (n >= u'a' && n <= u'z') || (n >= u'A' && n <= u'Z') || n == u'/' || n == u'!' || n == u'?';
        if (c == u'<' && !tag)
            ergebnis += QStringLiteral("&lt;");
        else
            ergebnis += c;
    }
    return ergebnis;
}

}  // namespace

THtmlHilfeForm::THtmlHilfeForm(QWidget* hauptfenster)
    : QMainWindow(hauptfenster), ui(std::make_unique<Ui::THtmlHilfeForm>())
{
    ui->setupUi(this);

    // No style hint: it would also steer the fallback for the page's own font face.
    ui->HilfeViewer->document()->setDefaultFont(QFont(QStringLiteral("Times New Roman")));
    ui->HilfeViewer->document()->setDefaultStyleSheet(QStringLiteral("pre { font-family: 'Courier New'; }"));

    // Hugs the right edge of the screen: from 60 % of its width to 10 px before its right
    // edge, 10 px from the top, 90 % of its height. Of the work area, so that no panel of
    // the desktop covers the window.
    const QScreen* bildschirm = hauptfenster ? hauptfenster->screen() : screen();
    if (bildschirm) {
        const QRect flaeche = bildschirm->availableGeometry();
        const int links = static_cast<int>(Runden(flaeche.width() * 0.6));
        const int hoehe = static_cast<int>(Runden(flaeche.height() * 0.9));
        move(flaeche.left() + links, flaeche.top() + 10);
        resize(flaeche.width() - links - 10, hoehe);
    }

    connect(ui->fixierenMen, &QAction::triggered, this, [this] { FehlerAbfangen([this] { fixierenMenClick(); }); });
    connect(ui->schliessenMen, &QAction::triggered, this, [this] { FehlerAbfangen([this] { schliessenMenClick(); }); });
}

THtmlHilfeForm::~THtmlHilfeForm() = default;

void THtmlHilfeForm::HilfeLeeren() { hilfeText_.clear(); }

void THtmlHilfeForm::HilfeTitel(const QString& titel) { setWindowTitle(titel); }

void THtmlHilfeForm::HilfeZeile(const QString& zeile) { hilfeText_.append(zeile); }

void THtmlHilfeForm::HilfeAnzeigen()
{
    dokument_ = DokumentKopf + hilfeText_ + DokumentEnde;
    // Handed over as text, so the charset the head declares does not matter.
    ui->HilfeViewer->setHtml(SpitzeKlammernSchuetzen(dokument_.join(QLatin1Char('\n'))));
}

void THtmlHilfeForm::Zeigen()
{
    show();
    raise();
    activateWindow();
}

void THtmlHilfeForm::fixierenMenClick()
{
    const bool oben = !ObenGehalten(this);
    ObenHalten(this, oben);
    ui->fixierenMen->setText(oben ? QStringLiteral("Hilfe normal") : QStringLiteral("Hilfe fixieren"));
}

void THtmlHilfeForm::schliessenMenClick()
{
    ObenHalten(this, false);
    ui->fixierenMen->setText(QStringLiteral("Hilfe fixieren"));
    close();
}

}  // namespace orbisto
