#pragma once
// For the window tests that drive Qt's real file dialog: it is modal, so the test hands over
// what to do with it before the action that opens it.

#include <QApplication>
#include <QFileDialog>
#include <QObject>
#include <QTimer>

#include <functional>

// Runs `tun` on the next file dialog that becomes the modal window.
inline void BeiDateiDialog(QObject* besitzer, std::function<void(QFileDialog*)> tun)
{
    auto* suche = new QTimer(besitzer);
    QObject::connect(suche, &QTimer::timeout, besitzer, [suche, tun] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            suche->deleteLater();
            suche->stop();
            tun(dialog);
        }
    });
    suche->start(10);
}
