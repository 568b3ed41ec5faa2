#include "windows/info_form.h"

#include "ui_info_form.h"

#include <QScreen>
#include <QStyle>

#include <algorithm>

namespace orbisto {

namespace {

void Einfaerben(QWidget* w, QPalette::ColorRole rolle, const QColor& farbe)
{
    QPalette p = w->palette();
    p.setColor(rolle, farbe);
    w->setPalette(p);
}

}  // namespace

TInfoForm::TInfoForm(QWidget* hauptfenster)
    : QDialog(hauptfenster, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ui(std::make_unique<Ui::TInfoForm>())
{
    ui->setupUi(this);
    entwurf_ = size();

    Einfaerben(ui->InfoPanel, QPalette::Window, QColor(0xC0, 0xDC, 0xC0));
    for (QLabel* wert : {ui->ProduktnameLabel, ui->VersionLabel, ui->DatumLabel, ui->RechteinhaberLabel, ui->MailLabel,
                         ui->HomeLabel, ui->KommentarLabel})
        Einfaerben(wert, QPalette::WindowText, Qt::blue);

    // Placed before it is ever shown, which also keeps QDialog from putting it over its parent.
    Einpassen();

    connect(ui->OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

TInfoForm::~TInfoForm() = default;

void TInfoForm::showEvent(QShowEvent* ereignis)
{
    // The values are set right before showing, and the font may have changed since.
    Einpassen();
    QDialog::showEvent(ereignis);
}

void TInfoForm::Einpassen()
{
    // Not resizable: the designed size, or more where the font and the texts need it. The
    // comment wraps, so the height it needs follows the width. Hints cached by the layouts may
    // predate the texts or the font.
    for (QLayout* l : findChildren<QLayout*>())
        l->invalidate();
    QSize groesse = entwurf_.expandedTo(minimumSizeHint());
    if (hasHeightForWidth())
        groesse.setHeight(std::max(groesse.height(), heightForWidth(groesse.width())));
    setFixedSize(groesse);

    // Centred on the screen rather than over the main window.
    const QWidget* hauptfenster = parentWidget();
    const QScreen* bildschirm = hauptfenster ? hauptfenster->screen() : screen();
    if (bildschirm)
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), bildschirm->availableGeometry()).topLeft());
}

void TInfoForm::WerteSetzen()
{
    ui->ProduktnameLabel->setText(QStringLiteral("Orbisto"));
    ui->VersionLabel->setText(QStringLiteral("1.0.0"));
    ui->DatumLabel->setText(QStringLiteral("28.04.2013"));
    ui->RechteinhaberLabel->setText(QStringLiteral("Die Autorinnen und Autoren von Orbisto"));
    ui->MailLabel->setText(QStringLiteral("rueckmeldung@orbisto.invalid"));
    ui->HomeLabel->setText(QStringLiteral("https://orbisto.invalid"));
    // Paragraphs apart by an empty line; the label wraps the lines within one.
    ui->KommentarLabel->setText(
        QStringLiteral("Orbisto veranschaulicht Mathematik und Physik im Raum: Funktionen, Körper, Vektoren, "
                       "Geraden, Ebenen und 22 fertige Szenen für den Unterricht.\n"
                       "\n"
                       "Das Programm ist freie Software. Es darf für Schule und Studium kostenlos genutzt, "
                       "weitergegeben und verändert werden.\n"
                       "\n"
                       "Fragen, Fehlerberichte und Anregungen bitte an die Mail-Adresse oben."));
}

void TInfoForm::InfoMenClick()
{
    WerteSetzen();
    exec();
}

}  // namespace orbisto
