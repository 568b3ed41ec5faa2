#include "widgets/dateidialog.h"

#include "widgets/dateinamen.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include <sys/stat.h>

namespace orbisto {

namespace {

// Qt's own dialog, which also accepts a file whose name is not UTF-8. Qt shows such a name
// with U+FFFD and then looks for a file of that shown name, which does not exist: it would
// refuse to open it, and overwrite it without asking. Such a choice is settled here, against
// the file's real name.
class Dateiwahl : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    // The bytes of the file chosen, once the dialog was accepted.
    std::string gewaehlt;

protected:
    void accept() override
    {
        const QStringList dateien = selectedFiles();
        if (dateien.size() == 1 && !dateien.front().isEmpty() && !QFileInfo::exists(dateien.front())) {
            const std::string echt = DateinameAufloesen(dateien.front());
            struct stat st;
            if (::stat(echt.c_str(), &st) == 0 && !S_ISDIR(st.st_mode)) {
                // The question Qt would ask, in its words (and its translation).
                if (acceptMode() == AcceptSave && !testOption(DontConfirmOverwrite) &&
                    QMessageBox::warning(this, windowTitle(),
                                         QFileDialog::tr("%1 already exists.\nDo you want to replace it?")
                                             .arg(QFileInfo(dateien.front()).fileName()),
                                         QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
                    return;
                gewaehlt = echt;
                QDialog::accept();
                return;
            }
        }
        QFileDialog::accept();
        if (result() == Accepted && !selectedFiles().isEmpty())
            gewaehlt = DateinameAufloesen(selectedFiles().front());
    }
};

}  // namespace

std::optional<QString> DateiDialogZeigen(const DateiDialog& dialog, QWidget* parent)
{
    Dateiwahl d(parent, dialog.titel, dialog.verzeichnis);
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
    // Shown as Qt shows the names in its list; accepting it finds the file again.
    if (!dialog.dateiname.isEmpty())
        d.selectFile(DateinameAnzeige(DateinameBytes(dialog.dateiname)));
    if (d.exec() != QDialog::Accepted || d.gewaehlt.empty())
        return std::nullopt;
    return DateinameText(d.gewaehlt);
}

}  // namespace orbisto
