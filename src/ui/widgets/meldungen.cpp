#include "widgets/meldungen.h"

#include "core/fehlertext.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace orbisto {

namespace {

Signalton signalton = &QApplication::beep;
bool fehlerBoxOffen = false;

// A box with the program's caption; the text is plain, "\r" breaks the line.
void Einrichten(QMessageBox& box, const QString& text)
{
    QString zeilen = text;
    zeilen.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    zeilen.replace(u'\r', u'\n');
    box.setWindowTitle(QStringLiteral("Orbisto"));
    box.setTextFormat(Qt::PlainText);
    box.setText(zeilen);
}

}  // namespace

Signalton SignaltonSetzen(Signalton ton)
{
    const Signalton alt = signalton;
    signalton = ton;
    return alt;
}

void Fehlermeldung(const QString& text, QWidget* parent)
{
    signalton();
    QMessageBox box(QMessageBox::Critical, QString(), QString(), QMessageBox::Ok, parent);
    Einrichten(box, text);
    box.exec();
}

bool Bestaetigung(const QString& text, QWidget* parent)
{
    signalton();
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No, parent);
    Einrichten(box, text);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

tAntwort Frage(const QString& text, QWidget* parent)
{
    signalton();
    QMessageBox box(QMessageBox::Question, QString(), QString(),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    Einrichten(box, text);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    if (box.clickedButton() == box.button(QMessageBox::Yes))
        return tAntwort::Ja;
    if (box.clickedButton() == box.button(QMessageBox::No))
        return tAntwort::Nein;
    return tAntwort::Abbrechen;
}

bool FehlerAnzeigen(const QString& text)
{
    if (fehlerBoxOffen)
        return false;
    fehlerBoxOffen = true;
    // Reset even if something inside the modal loop unwinds.
    struct Schliessen {
        ~Schliessen() { fehlerBoxOffen = false; }
    } schliessen;
    Fehlermeldung(text);
    return true;
}

QString FehlerText(const std::exception_ptr& fehler) { return QString::fromStdString(FehlerBeschreibung(fehler)); }

void FehlerZeigen(const std::exception_ptr& fehler) { FehlerAnzeigen(FehlerText(fehler)); }

}  // namespace orbisto
