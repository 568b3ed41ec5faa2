#pragma once
// A file dialog described as plain data, so that the code asking for a file name can be
// driven without a person: windows hold a DateiDialogFunktion that shows the real dialog
// unless something else (a test) has been put in its place.

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
    QString verzeichnis;       // where the dialog starts
    QString dateiname;         // the name it offers, empty for none

    friend bool operator==(const DateiDialog&, const DateiDialog&) = default;
};

// The chosen file's path, or nothing when the dialog was cancelled.
using DateiDialogFunktion = std::function<std::optional<QString>(const DateiDialog&)>;

// Shows `dialog` as a modal QFileDialog.
std::optional<QString> DateiDialogZeigen(const DateiDialog& dialog, QWidget* parent);

}  // namespace orbisto
