#pragma once
// The main window: menus, panels, the drawing surface, display modes and the
// redraw cycle. It shows the program state that Programm owns.

#include "widgets/dateidialog.h"

#include <QMainWindow>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>

class QLabel;
class QMenu;

namespace Ui {
class TOrbisto2013Form;
}

namespace orbisto {

class Programm;
enum class tModus : std::int32_t;
class TOGLPanel;
class TKoSysSteuerPanel;
class TObjektlisteModell;
class TObjektEditor;
class TObjektlisteDateiAktionen;

class TOrbisto2013Form : public QMainWindow {
    Q_OBJECT

public:
    explicit TOrbisto2013Form(Programm& programm, QWidget* parent = nullptr);
    ~TOrbisto2013Form() override;

    Programm& programm() { return programm_; }
    TOGLPanel* OGLPanel() const;
    TKoSysSteuerPanel* KoSysSteuerPanel() const;
    TObjektEditor* ObjektEditor() const { return objektEditor_; }

    // The render pass, at once. Does nothing until the drawing surface exists.
    void Zeichnen();
    // Deferred redraw: requests within one 100 ms interval give a single pass, and
    // nothing is drawn before set-up has finished.
    void ZeichnenAnfordern();
    void ModusSetzen(tModus modus);
    // The settings window shows the view state anew. Runs before every pass, so whatever
    // changed the projection data or the scale, the window never shows stale values.
    void EinstellungenAnzeigen();
    // Installs the settings window's refresh; the window is made after this one.
    void EinstellungenAnzeigenSetzen(std::function<void()> anzeigen) { einstellungenAnzeigen_ = std::move(anzeigen); }
    // Puts the window in the top left corner, as high as the screen allows and as wide as
    // makes the drawing surface square.
    void QuadratischeGrafik();
    void EditorZeigen(bool sichtbar);

    // The object list grid shows the list anew; called after every change of the list.
    void ListeAnzeigen();
    // Installs what a double-click on an entry's name or parameters does with the entry
    // (its number, from 1): the object editor installs its start of editing here.
    void EintragBearbeitenSetzen(std::function<void(int)> bearbeiten) { eintragBearbeiten_ = std::move(bearbeiten); }

    // The file dialogs of the object list actions show through this; a test puts its
    // answer here instead of a person.
    void DateiDialogSetzen(DateiDialogFunktion dialog);

    QTimer OGLTimer;
    QTimer SystemZRotationTimer;
    // Runs for 300 ms after a list has been loaded; the mouse does not turn the view meanwhile.
    QTimer ObjFListeOpenTimer;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void FormResize();
    bool FormCloseQuery();
    void OGLTimerTimer();
    void ObjFListeOpenTimerTimer();
    void SystemZRotationTimerTimer();
    void OGLPanelMouseDown(int x, int y);
    void OGLPanelMouseMove(int x, int y, bool nurLinkeTaste);
    void OGLPanelMouseUp(int x, int y);
    void GitterEinrichten();
    void ObjFSAGridDblClick();
    void ObjFObjektLoeschenMenClick();
    void MenuesVerbinden();

    Programm& programm_;
    TObjektEditor* objektEditor_ = nullptr;
    std::unique_ptr<Ui::TOrbisto2013Form> ui;
    QLabel* statusPanel0_ = nullptr;
    QLabel* statusPanel1_ = nullptr;
    std::function<void()> einstellungenAnzeigen_;
    std::function<void(int)> eintragBearbeiten_;
    TObjektlisteModell* listenModell_ = nullptr;
    QMenu* listenMenue_ = nullptr;
    std::unique_ptr<TObjektlisteDateiAktionen> dateiAktionen_;
    int editorHoehe_ = 2;
    bool aufgeteilt_ = false;
};

}  // namespace orbisto
