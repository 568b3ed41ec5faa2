#pragma once
// Answers the modal message boxes a window test provokes, and records what they showed.
// Polls every 10 ms with a fresh single shot, so that a box opened while another one is
// open (the fault several tests look for) is seen too instead of hanging the test.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>

// What a modal box showed, read while it was open.
struct GeseheneBox {
    QString titel;
    QString text;
    QMessageBox::Icon symbol = QMessageBox::NoIcon;
    Qt::TextFormat format = Qt::AutoText;
    QStringList knoepfe;   // captions, sorted
    int piepseVorher = 0;  // beeps heard before the box appeared (see BoxPiepsZaehler)
};

// Set by a test that counts beeps, so every box records the count at its appearance.
inline std::function<int()> BoxPiepsZaehler;

class BoxBeantworter : public QObject {
public:
    // Presses the button captioned `antwort` (Escape when empty) `verzoegerungMs` after a
    // box appears; `waehrend` runs while the box is open, before the answer is planned.
    explicit BoxBeantworter(QString antwort = {}, std::function<void()> waehrend = {}, int verzoegerungMs = 0)
        : antwort_(std::move(antwort)), waehrend_(std::move(waehrend)), verzoegerung_(verzoegerungMs)
    {
        Planen();
    }

    QList<GeseheneBox> boxen;

    QStringList texte() const
    {
        QStringList t;
        for (const GeseheneBox& b : boxen)
            t.append(b.text);
        return t;
    }

private:
    void Planen() { QTimer::singleShot(10, this, &BoxBeantworter::Pruefen); }

    void Pruefen()
    {
        Planen();
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == letzte_)
            return;
        letzte_ = box;
        GeseheneBox gesehen{box->windowTitle(), box->text(), box->icon(),
                            box->textFormat(),  {},          BoxPiepsZaehler ? BoxPiepsZaehler() : 0};
        for (QAbstractButton* knopf : box->buttons())
            gesehen.knoepfe.append(knopf->text());
        gesehen.knoepfe.sort();
        boxen.append(gesehen);
        if (waehrend_)
            waehrend_();
        QPointer<QMessageBox> ziel = box;
        QTimer::singleShot(verzoegerung_, this, [this, ziel] {
            if (ziel)
                Antworten(ziel);
        });
    }

    void Antworten(QMessageBox* box)
    {
        if (antwort_.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        for (QAbstractButton* knopf : box->buttons())
            if (knopf->text() == antwort_)
                knopf->click();
    }

    QString antwort_;
    std::function<void()> waehrend_;
    int verzoegerung_;
    QPointer<QMessageBox> letzte_;
};
