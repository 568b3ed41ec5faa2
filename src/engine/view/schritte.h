#pragma once
// The loops the drawing advances by: each value is the previous one plus the step, and
// the end is compared with a tolerance chosen by the caller, as the pictures have always
// been drawn. Shared by the primitives and the coordinate system.

#include <limits>

namespace orbisto::schritte {

inline constexpr double ZweiPi = 6.283185307179586;
inline constexpr double HalbPi = 1.5707963267948966;

// The angle step of a circle in n pieces; NaN, so that nothing is drawn, for n below 1.
inline double Winkelschritt(double n) { return n >= 1 ? ZweiPi / n : std::numeric_limits<double>::quiet_NaN(); }

// A step that is not positive, or too small to move the value any more, never reaches
// the end: such loops (a room of width 0, a curve from 2 to 2) stop instead of hanging.
template <class Weiter, class Tun>
void Schritte(double start, double schritt, Weiter weiter, Tun tun)
{
    if (!(schritt > 0))
        return;
    for (double t = start; weiter(t);) {
        tun(t);
        const double naechster = t + schritt;
        if (naechster == t)
            return;
        t = naechster;
    }
}

// t = start, start + schritt, ... while t <= grenze.
template <class Tun>
void SchritteBis(double start, double schritt, double grenze, Tun tun)
{
    Schritte(
        start, schritt, [grenze](double t) { return t <= grenze; }, tun);
}

// t = start, start + schritt, ... while t < grenze.
template <class Tun>
void SchritteUnter(double start, double schritt, double grenze, Tun tun)
{
    Schritte(
        start, schritt, [grenze](double t) { return t < grenze; }, tun);
}

// phi = 0, d, 2d, ... below 2 pi with d = 2 pi / n; tun(phi, phi + d).
template <class Tun>
void Winkelschritte(double n, Tun tun)
{
    const double d = Winkelschritt(n);
    SchritteUnter(0, d, ZweiPi, [&](double phi) { tun(phi, phi + d); });
}

}  // namespace orbisto::schritte
