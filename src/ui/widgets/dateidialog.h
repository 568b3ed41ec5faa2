#pragma once
// A file dialog described as plain data, so that the code asking for a file name can be
// driven without a person: windows hold a DateiDialogFunktion that shows the real dialog
// unless something else (a test) has been put in its place.
//
// Paths go in and come out as DateinameText (widgets/dateinamen.h): a file whose name is
// not UTF-8 can be chosen like any other, and DateinameBytes gives its real name.

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

namespace orbisto {

struct DateiDialog {
    enum class Art {
        Oeffnen,   // the file must exist
        Speichern  // an existing file is replaced only after asking
    };
    Art art = Art::Oeffnen;
    QString titel;
    QStringList filter;        // in Qt's form, "Objektlisten (*.o3d)"
    QString gewaehlterFilter;  // one of `filter`
    QString endung;            // added to a name typed without one, without the dot
    QString verzeichnis;       // where the dialog starts (DateinameText)
    QString dateiname;         // the name it offers (DateinameText), empty for none

    friend bool operator==(const DateiDialog&, const DateiDialog&) = default;
};

// The chosen file's path (DateinameText), or nothing when the dialog was cancelled.
using DateiDialogFunktion = std::function<std::optional<QString>(const DateiDialog&)>;

// Shows `dialog` as a modal QFileDialog. A file Qt shows with U+FFFD in its name is
// found under its real name (DateinameAufloesen): it opens, and replacing it asks first.
std::optional<QString> DateiDialogZeigen(const DateiDialog& dialog, QWidget* parent);

}  // namespace orbisto
