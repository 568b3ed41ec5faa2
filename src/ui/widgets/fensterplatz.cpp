#include "widgets/fensterplatz.h"

#include <QPoint>
#include <QWidget>

namespace orbisto {

void FensterPlatzieren(QWidget* fenster, const QWidget* hauptfenster)
{
    if (!fenster || !hauptfenster)
        return;
    // pos() and move() of a top-level window both refer to its frame.
    fenster->move(hauptfenster->pos() + QPoint(50, 50));
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
