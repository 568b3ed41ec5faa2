#include "platform/guianwendung.h"

#include <QGuiApplication>

#include <stdexcept>

namespace orbisto {

void GuiAnwendungSicherstellen()
{
    if (QCoreApplication* app = QCoreApplication::instance()) {
        if (!qobject_cast<QGuiApplication*>(app))
            throw std::runtime_error("Headless drawing: a QCoreApplication exists, a QGuiApplication "
                                     "is needed for the glyph lists");
        return;
    }
    // The application keeps references to argc/argv, and is never destroyed: tearing Qt down
    // during static destruction is not safe.
    static int argc = 3;
    static char name[] = "orbisto";
    static char platformOption[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, platformOption, platform, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
}

}  // namespace orbisto
