#include "widgets/fensterplatz.h"

#include <QPoint>
#include <QRect>
#include <QScreen>
#include <QSize>
#include <QWidget>

#include <algorithm>
#include <array>

namespace orbisto {

void FensterPlatzieren(QWidget* fenster, const QWidget* hauptfenster)
{
    if (!fenster || !hauptfenster)
        return;
    // pos() and move() of a top-level window both refer to its frame.
    fenster->move(hauptfenster->pos() + QPoint(50, 50));
}

QPoint PlatzDaneben(const QRect& haupt, const QSize& groesse, const QRect& bildschirm)
{
    // Lined up with the main window's top, but never above or below the area; a window
    // taller than the area keeps its title bar on it.
    const int unten = bildschirm.bottom() - groesse.height() + 1;
    const int y = std::max(std::min(haupt.top(), unten), bildschirm.top());
    const int rechts = haupt.right() + 1;
    if (rechts + groesse.width() - 1 <= bildschirm.right())
        return {rechts, y};
    const int links = haupt.left() - groesse.width();
    if (links >= bildschirm.left())
        return {links, y};

    // No room on either side: of the places at the area's edges the one that hides least
    // of the main window, the right edge first (the view panel sits at the main window's left).
    const int xRechts = std::max(bildschirm.right() - groesse.width() + 1, bildschirm.left());
    const std::array<QPoint, 6> orte{QPoint(xRechts, y),
                                     QPoint(xRechts, bildschirm.top()),
                                     QPoint(xRechts, std::max(unten, bildschirm.top())),
                                     QPoint(bildschirm.left(), y),
                                     QPoint(bildschirm.left(), bildschirm.top()),
                                     QPoint(bildschirm.left(), std::max(unten, bildschirm.top()))};
    const auto verdeckt = [&](QPoint ort) {
        const QRect r = QRect(ort, groesse).intersected(haupt);
        return r.isEmpty() ? 0LL : static_cast<long long>(r.width()) * r.height();
    };
    return *std::min_element(orte.begin(), orte.end(), [&](QPoint a, QPoint b) { return verdeckt(a) < verdeckt(b); });
}

void FensterDanebenPlatzieren(QWidget* fenster, const QWidget* hauptfenster)
{
    if (!fenster || !hauptfenster)
        return;
    const QRect haupt = hauptfenster->frameGeometry();
    // A window that was never shown has no frame yet; the window manager will give it one
    // like the main window's.
    QSize groesse = fenster->frameGeometry().size();
    if (groesse == fenster->size())
        groesse = fenster->size().expandedTo(fenster->minimumSizeHint()) + (haupt.size() - hauptfenster->size());
    const QScreen* schirm = hauptfenster->screen();
    const QRect bildschirm = schirm ? schirm->availableGeometry() : haupt;
    fenster->move(PlatzDaneben(haupt, groesse, bildschirm));
}

void ObenHalten(QWidget* fenster, bool oben)
{
    if (ObenGehalten(fenster) == oben)
        return;
    // New flags hide a visible window (Qt re-creates it); it keeps its position.
    const bool sichtbar = fenster->isVisible();
    fenster->setWindowFlag(Qt::WindowStaysOnTopHint, oben);
    if (sichtbar)
        fenster->show();
}

bool ObenGehalten(const QWidget* fenster) { return fenster->windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

}  // namespace orbisto
