#include "widgets/szenentimer.h"

#include "widgets/meldungen.h"

#include <QElapsedTimer>

#include <algorithm>

namespace orbisto {

TSzenenTimer::TSzenenTimer(QObject* parent, const QString& name, std::function<int()> intervall,
                           std::function<void()> takt)
    : QTimer(parent), intervall_(std::move(intervall)), takt_(std::move(takt))
{
    setObjectName(name);
    connect(this, &QTimer::timeout, this, [this] {
        // The tick's own time; a box about its error is the user's time, not the tick's.
        qint64 dauer = 0;
        FehlerAbfangen([&] {
            QElapsedTimer uhr;
            uhr.start();
            takt_();
            dauer = uhr.elapsed();
        });
        if (isActive())
            IntervallAnpassen(static_cast<int>(std::min<qint64>(dauer, 60'000)));
    });
}

void TSzenenTimer::IntervallAnpassen(int mindestens)
{
    const int neu = std::max({1, intervall_(), mindestens});
    // Setting the interval of a running timer starts its wait anew: only a new one is set.
    if (interval() != neu)
        setInterval(neu);
}

void TSzenenTimer::Schalten(bool an)
{
    IntervallAnpassen();
    if (!an)
        stop();
    else if (!isActive())
        start();
}

}  // namespace orbisto
