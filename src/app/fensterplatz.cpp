#include "app/fensterplatz.h"

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

}  // namespace orbisto
