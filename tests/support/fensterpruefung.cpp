#include "fensterpruefung.h"

#include "windows/oglpanel_widget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

const char* const Dateien[] = {
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
};

QString Name(const QWidget* w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

// A control whose caption must be readable whole.
bool HatBeschriftung(const QWidget* w)
{
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        return !b->text().isEmpty();
    if (auto* l = qobject_cast<const QLabel*>(w))
        return !l->text().isEmpty() && !l->wordWrap();
    return false;
}

// The room a caption needs. Check boxes, radio buttons and labels say it in their size
// hint; a push button's hint adds a minimum width of the style's choosing, so for it the
// text and the button's margins count.
QSize Noetig(const QWidget* w)
{
    auto* knopf = qobject_cast<const QAbstractButton*>(w);
    if (!knopf || qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w))
        return w->sizeHint();
    const QFontMetrics fm = knopf->fontMetrics();
    const int rand = 2 * knopf->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, knopf);
    return {fm.horizontalAdvance(knopf->text().remove(u'&')) + rand, fm.height() + 2};
}

// A plain container of controls: a group box, a panel or a frame. The insides of composite
// controls (a spin edit's text field, a table's scroll bars) are theirs to arrange.
bool IstBehaelter(const QWidget* w)
{
    if (qobject_cast<const QGroupBox*>(w))
        return true;
    const char* klasse = w->metaObject()->className();
    return qstrcmp(klasse, "QWidget") == 0 || qstrcmp(klasse, "QFrame") == 0;
}

}  // namespace

QString TestSchrift() { return QStringLiteral("DejaVu Sans"); }

void TestSchriftSetzen(double punkte)
{
    static const bool geladen = [] {
        for (const char* datei : Dateien)
            if (QFontDatabase::addApplicationFont(QString::fromLatin1(datei)) < 0) {
                std::fprintf(stderr, "the test font %s is missing (scripts/setup installs it)\n", datei);
                std::abort();
            }
        return true;
    }();
    (void)geladen;
    QFont schrift(TestSchrift());
    schrift.setPointSizeF(punkte);
    QApplication::setFont(schrift);
}

void FenstertestEinrichten()
{
    orbisto::TOGLPanel::StandardFormatSetzen();
    QApplication::setQuitOnLastWindowClosed(false);
    TestSchriftSetzen();
}

QStringList Passfehler(const QWidget* fenster)
{
    QStringList fehler;
    QList<const QWidget*> eltern{fenster};
    for (const QWidget* w : fenster->findChildren<QWidget*>())
        if (w->isVisibleTo(fenster) && IstBehaelter(w))
            eltern.append(w);
    for (const QWidget* elter : eltern) {
        QList<const QWidget*> kinder;
        for (const QWidget* w : elter->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w->isVisibleTo(fenster) && !w->isWindow())
                kinder.append(w);
        for (const QWidget* w : kinder) {
            if (!elter->rect().contains(w->geometry()))
                fehler << Name(w) + " sticks out of " + Name(elter);
            if (HatBeschriftung(w)) {
                const QSize noetig = Noetig(w);
                if (w->width() < noetig.width() || w->height() < noetig.height())
                    fehler << Name(w) + " is " + QString::number(w->width()) + " x " + QString::number(w->height()) +
                                  " and needs " + QString::number(noetig.width()) + " x " +
                                  QString::number(noetig.height());
            }
            for (const QWidget* v : kinder)
                if (v < w && v->geometry().intersects(w->geometry()))
                    fehler << Name(w) + " overlaps " + Name(v);
        }
    }
    return fehler;
}
