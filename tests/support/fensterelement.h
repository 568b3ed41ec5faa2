#pragma once
// A window's control by its objectName, for the window tests; a missing control ends the
// test at once with its name.

#include <QString>
#include <QWidget>
#include <QtGlobal>

template <class T>
T* Element(QWidget* fenster, const char* name)
{
    auto* w = fenster->findChild<T*>(QString::fromLatin1(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}
