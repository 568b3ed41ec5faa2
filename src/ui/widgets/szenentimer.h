#pragma once
// The timer of an animated scene. It runs exactly while the scene's box says so (Schalten),
// at the interval its model gives, read again after every tick, so a model whose interval
// changes from step to step is followed at once. Each tick runs through FehlerAbfangen: a
// failing tick shows one box, and the timer goes on. Ticks are never queued: a tick that
// takes longer than the interval delays the next one, and one that is missed is not made
// up for later. A tick that took longer than the interval waits as long as it took before
// the next: a picture that takes seconds to draw leaves the window as much time to answer
// a click, and a click waiting while it was drawn is answered before the next tick.
//
// It carries the name of the scene's timer (objectName), so tests find it.

#include <QTimer>

#include <functional>

namespace orbisto {

class TSzenenTimer : public QTimer {
    Q_OBJECT

public:
    // `intervall` gives the model's interval in ms (values below 1 count as 1); `takt` is
    // one tick: one step of the model and a redraw.
    TSzenenTimer(QObject* parent, const QString& name, std::function<int()> intervall, std::function<void()> takt);

    // On or off, at the model's interval. A running timer keeps its wait unless the
    // interval has changed, so a change elsewhere in the window does not hold it up.
    void Schalten(bool an);

private:
    // The model's interval, at least `mindestens` ms.
    void IntervallAnpassen(int mindestens = 0);

    std::function<int()> intervall_;
    std::function<void()> takt_;
};

}  // namespace orbisto
