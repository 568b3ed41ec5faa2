#include "widgets/dateidialog.h"

#include <QFileDialog>

namespace orbisto {

std::optional<QString> DateiDialogZeigen(const DateiDialog& dialog, QWidget* parent)
{
    QFileDialog d(parent, dialog.titel, dialog.verzeichnis);
    // Qt's own dialog speaks the language of Qt's loaded translations; a desktop's native
    // one would follow the desktop's language instead.
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setNameFilters(dialog.filter);
    d.selectNameFilter(dialog.gewaehlterFilter);
    d.setDefaultSuffix(dialog.endung);
    if (dialog.art == DateiDialog::Art::Speichern) {
        d.setAcceptMode(QFileDialog::AcceptSave);
        d.setFileMode(QFileDialog::AnyFile);  // overwriting asks first: Qt's default
    } else {
        d.setAcceptMode(QFileDialog::AcceptOpen);
        d.setFileMode(QFileDialog::ExistingFile);
    }
    if (!dialog.dateiname.isEmpty())
        d.selectFile(dialog.dateiname);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return std::nullopt;
    return d.selectedFiles().front();
}

}  // namespace orbisto
