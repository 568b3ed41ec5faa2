#pragma once
// The object editor at the top of the main window's left side: a toolbar (colour field,
// six step buttons, Übernehmen, Schließen) and a two-column grid of parameter names and
// values, in which the object under edit, Programm::VorschauObjekt, is changed with a
// live preview. It works on widgets the main window's form provides; the value rules
// themselves are in objects/objekteditor.h.

#include <QColor>
#include <QObject>

#include <cstdint>
#include <functional>
#include <optional>

class QScrollArea;
class QTableWidget;
class QToolBar;
class QToolButton;

namespace orbisto {

class Programm;
enum class tModus : std::int32_t;

class TObjektEditor : public QObject {
    Q_OBJECT

public:
    // What the editor asks of the main window.
    struct Umgebung {
        std::function<void()> zeichnen;
        std::function<void()> listeAnzeigen;
        std::function<void(tModus)> modusSetzen;
        std::function<void(bool)> editorZeigen;
    };
    // The colour chooser: the chosen colour, or nothing when the user cancels.
    using FarbDialog = std::function<std::optional<QColor>(const QColor& anfang)>;

    TObjektEditor(Programm& programm, QScrollArea* scrollBox, QToolBar* toolBar, QTableWidget* grid, Umgebung umgebung,
                  QObject* parent = nullptr);

    // A new object of the type the menu item names ("KugelMen" starts a "Kugel").
    void ObjEdStartMenClick(const QString& menuName);
    // Editing list entry r (from 1) in place of its preview.
    void EintragBearbeiten(int r);

    void ObjEdSAGridClick();
    void ObjEdSAGridDblClick();
    void ObjEdPlusMinusSpeedButtonClick(double schritt);
    void ObjEdColorPanelClick();
    void ObjEdEinfuegenRxSpeedButtonClick();
    void ObjEdSchliessenRxSpeedButtonClick();
    void ObjEdScrollBoxResize();

    // The colour field's colour: the one a new object takes.
    QColor Farbe() const { return farbe_; }
    void FarbDialogSetzen(FarbDialog dialog) { farbDialog_ = std::move(dialog); }

    int TypIndex = 1;
    int LetzteZeile = 1;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void ToolBarEinrichten(QToolBar* toolBar);
    void GitterEinrichten();
    void EditorFuellen();
    void ZellenLeeren();
    void FarbeZeigen(const QColor& farbe);
    void ZelleAendern(int zeile, const QString& text);
    // Sets row `zeile` (1..20) of the cell and the object under edit to `neu`, kept within
    // the work an object may cost; a refusal is told in a box after the row is restored.
    void ParameterSetzen(int zeile, std::string neu);
    QString Name(int zeile) const;
    QString Wert(int zeile) const;
    // The current cell moved: from a name or the heading on to the value beside it,
    // otherwise the row just left is checked.
    void AktuelleZelleGeaendert(int zeile, int spalte);

    Programm& programm_;
    QScrollArea* scrollBox_;
    QTableWidget* grid_;
    QToolButton* farbFeld_ = nullptr;
    Umgebung umgebung_;
    FarbDialog farbDialog_;
    QColor farbe_{0x00, 0xFF, 0xFF};  // aqua
    bool fuellen_ = false;            // the editor moves the current cell itself
};

}  // namespace orbisto
