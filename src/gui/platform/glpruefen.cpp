#include "platform/glpruefen.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformintegration.h>

namespace orbisto {

namespace {

bool KontextMoeglich()
{
    QOpenGLContext kontext;
    kontext.setFormat(QSurfaceFormat::defaultFormat());
    if (!kontext.create())
        return false;
    QOffscreenSurface flaeche;
    flaeche.setFormat(kontext.format());
    flaeche.create();
    if (!flaeche.isValid() || !kontext.makeCurrent(&flaeche))
        return false;
    kontext.doneCurrent();
    return true;
}

}  // namespace

QString OpenGLFensterHindernis()
{
    const QPlatformIntegration* plattform = QGuiApplicationPrivate::platformIntegration();
    if (!plattform || !plattform->hasCapability(QPlatformIntegration::OpenGL) || !KontextMoeglich())
        return QStringLiteral("OpenGL steht auf diesem Rechner nicht zur Verfügung.\r"
                              "Orbisto braucht es für die Grafik und wird beendet.");
    // A GL widget draws into a texture that the window's backing store composes; a platform
    // without that composition accepts the widget and crashes when the window is flushed.
    if (!plattform->hasCapability(QPlatformIntegration::RhiBasedRendering))
        return QStringLiteral("Die Fensterumgebung „%1“ kann keine OpenGL-Grafik in einem Fenster zeigen.\r"
                              "Orbisto braucht sie für die Grafik und wird beendet.")
            .arg(QGuiApplication::platformName());
    return {};
}

}  // namespace orbisto
