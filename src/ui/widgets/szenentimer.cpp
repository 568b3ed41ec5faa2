#include "widgets/szenentimer.h"

#include "widgets/meldungen.h"

#include <algorithm>

namespace orbisto {

TSzenenTimer::TSzenenTimer(QObject* parent, const QString& name, std::function<int()> intervall,
                           std::function<void()> takt)
    : QTimer(parent), intervall_(std::move(intervall)), takt_(std::move(takt))
{
    setObjectName(name);
    connect(this, &QTimer::timeout, this, [this] {
        FehlerAbfangen(takt_);
        if (isActive())
            IntervallAnpassen();
    });
}

void TSzenenTimer::IntervallAnpassen()
{
    const int neu = std::max(1, intervall_());
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
