#include "windows/orbisto2013_form.h"

#include "programm/mausdrehung.h"
#include "programm/programm.h"
#include "programm/zeichnen.h"
#include "ui_orbisto2013_form.h"
#include "widgets/meldungen.h"
#include "windows/grafikexport.h"
#include "windows/kosyssteuerpanel_widget.h"
#include "windows/objekteditor_widget.h"
#include "windows/objektlistedatei_aktionen.h"
#include "windows/objektlistemodell.h"
#include "windows/oglpanel_widget.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPalette>
#include <QScreen>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>

namespace orbisto {

namespace {

// Gives the first pane of a splitter an exact size; the second takes the rest.
void ersteSeiteSetzen(QSplitter* splitter, int groesse)
{
    const int gesamt =
        (splitter->orientation() == Qt::Vertical ? splitter->height() : splitter->width()) - splitter->handleWidth();
    splitter->setSizes({groesse, qMax(1, gesamt - groesse)});
}

}  // namespace

TOrbisto2013Form::TOrbisto2013Form(Programm& programm, QWidget* parent)
    : QMainWindow(parent), programm_(programm), ui(std::make_unique<Ui::TOrbisto2013Form>())
{
    ui->setupUi(this);
    FormCreate();
}

TOrbisto2013Form::~TOrbisto2013Form() = default;

TOGLPanel* TOrbisto2013Form::OGLPanel() const { return ui->OGLPanel; }

TKoSysSteuerPanel* TOrbisto2013Form::KoSysSteuerPanel() const { return ui->KoSysSteuerPanel; }

void TOrbisto2013Form::FormCreate()
{
    Programm& p = programm_;
    p.ProgrammVerzeichnis = QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
    p.GrafikDatei = p.ProgrammVerzeichnis + "/*.*";
    p.ListenDatei = p.ProgrammVerzeichnis + "/*.*";

    OGLTimer.setInterval(100);
    connect(&OGLTimer, &QTimer::timeout, this, &TOrbisto2013Form::OGLTimerTimer);
    SystemZRotationTimer.setInterval(50);
    connect(&SystemZRotationTimer, &QTimer::timeout, this, &TOrbisto2013Form::SystemZRotationTimerTimer);
    ObjFListeOpenTimer.setInterval(300);
    ObjFListeOpenTimer.setSingleShot(true);
    connect(&ObjFListeOpenTimer, &QTimer::timeout, this, &TOrbisto2013Form::ObjFListeOpenTimerTimer);

    // The drawing surface: its context and glyph lists come with its first showing.
    ui->OGLPanel->SetRenderPass(
        [this](const GLRessourcen& gl, int breite, int hoehe) { orbisto::Zeichnen(programm_, gl, breite, hoehe); });
    connect(ui->OGLPanel, &TOGLPanel::MausGedrueckt, this, &TOrbisto2013Form::OGLPanelMouseDown);
    connect(ui->OGLPanel, &TOGLPanel::MausBewegt, this, &TOrbisto2013Form::OGLPanelMouseMove);
    connect(ui->OGLPanel, &TOGLPanel::MausLosgelassen, this, &TOrbisto2013Form::OGLPanelMouseUp);

    setGeometry(10, 10, 869, 784);

    ui->liPanel->setMinimumWidth(40);
    ui->rePanel->setMinimumWidth(40);
    ui->ObjEdScrollBox->setMinimumHeight(2);
    ui->Splitter->setStretchFactor(0, 0);
    ui->Splitter->setStretchFactor(1, 1);
    ui->liSplitter->setStretchFactor(0, 0);
    ui->liSplitter->setStretchFactor(1, 1);
    ui->reSplitter->setStretchFactor(0, 0);
    ui->reSplitter->setStretchFactor(1, 1);

    GitterEinrichten();
    ModusSetzen(tModus::Original);
    objektEditor_ = new TObjektEditor(programm_, ui->ObjEdScrollBox, ui->ObjEdToolBar, ui->ObjEdSAGrid,
                                      {[this] { Zeichnen(); }, [this] { ListeAnzeigen(); },
                                       [this](tModus modus) { ModusSetzen(modus); },
                                       [this](bool sichtbar) { EditorZeigen(sichtbar); }},
                                      this);
    EintragBearbeitenSetzen([this](int r) { objektEditor_->EintragBearbeiten(r); });

    statusPanel0_ = new QLabel(QStringLiteral(" (X/Y) = (0/0)"), this);
    statusPanel0_->setObjectName(QStringLiteral("StatusPanel0"));
    statusPanel0_->setFixedWidth(200);
    statusPanel1_ = new QLabel(this);
    statusPanel1_->setObjectName(QStringLiteral("StatusPanel1"));
    ui->StatusBar->addWidget(statusPanel0_);
    ui->StatusBar->addWidget(statusPanel1_, 1);

    EditorZeigen(false);
    MenuesVerbinden();
    ui->KoSysSteuerPanel->Einrichten(
        p.KoSys, {[this] { Zeichnen(); }, [this] { ZeichnenAnfordern(); },
                  [this](bool an) { an ? SystemZRotationTimer.start() : SystemZRotationTimer.stop(); },
                  [this] { QuadratischeGrafik(); }, [this] { EinstellungenAnzeigen(); }});

    p.Gespeichert = true;
    ui->TestMen->setVisible(false);
    ui->KoSysSteuerPanel->PerspektiveKnoepfeZeigen(false);
    // The panel grows beyond its designed size where the font needs it; the area its scroll
    // box scrolls grows with it.
    const QRect panel = ui->KoSysSteuerPanel->geometry();
    ui->KoSysScrollBoxInhalt->resize(panel.right() + 1, panel.bottom() + 1);

    // The drawing surface changes size with the window and with both splitters.
    ui->OGLPanel->installEventFilter(this);

    // Copies the panel's check boxes into KoSys, sets the rotation timer and draws.
    ui->KoSysSteuerPanel->DatenAenderungClick();
    p.GrafikBereit = true;
    ZeichnenAnfordern();
}

void TOrbisto2013Form::GitterEinrichten()
{
    // The object list: a header that stays in place while the rows scroll, a row per entry.
    listenModell_ = new TObjektlisteModell(programm_, this);
    QTableView* liste = ui->ObjFSAGrid;
    liste->setModel(listenModell_);
    liste->verticalHeader()->hide();
    liste->verticalHeader()->setDefaultSectionSize(18);
    QHeaderView* kopf = liste->horizontalHeader();
    kopf->setDefaultSectionSize(30);
    kopf->resizeSection(2, 120);
    kopf->setSectionResizeMode(QHeaderView::Interactive);
    kopf->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The header is a caption, not a control: no column selection, no highlight.
    kopf->setSectionsClickable(false);
    kopf->setHighlightSections(false);
    liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    liste->setSelectionMode(QAbstractItemView::SingleSelection);
    liste->setSelectionBehavior(QAbstractItemView::SelectItems);
    // A parameter cut off at the column's edge ends with "…"; its tool tip holds the whole text.
    liste->setTextElideMode(Qt::ElideRight);
    liste->setWordWrap(false);
    // Like any grid, the list starts with its first data cell current.
    liste->selectionModel()->setCurrentIndex(listenModell_->index(0, 0), QItemSelectionModel::NoUpdate);
    connect(liste, &QAbstractItemView::doubleClicked, this, &TOrbisto2013Form::ObjFSAGridDblClick);
    // The current cell moves with the left button and the keyboard only (see eventFilter).
    liste->viewport()->installEventFilter(this);
    liste->installEventFilter(this);

    listenMenue_ = new QMenu(liste);
    listenMenue_->setObjectName(QStringLiteral("ObjFSAGridPopupMenu"));
    QAction* loeschen = listenMenue_->addAction(QStringLiteral("Objekt löschen"));
    loeschen->setObjectName(QStringLiteral("ObjFObjektLoeschenMen"));
    connect(loeschen, &QAction::triggered, this, &TOrbisto2013Form::ObjFObjektLoeschenMenClick);
    for (QAbstractItemView* flaeche : {static_cast<QAbstractItemView*>(liste), static_cast<QAbstractItemView*>(kopf)}) {
        flaeche->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(flaeche, &QWidget::customContextMenuRequested, this,
                [this, flaeche](QPoint p) { listenMenue_->popup(flaeche->viewport()->mapToGlobal(p)); });
    }
}

void TOrbisto2013Form::MenuesVerbinden()
{
    dateiAktionen_ = std::make_unique<TObjektlisteDateiAktionen>(
        programm_, TObjektlisteDateiAktionen::Umgebung{this, [this] { Zeichnen(); }, [this] { ListeAnzeigen(); },
                                                       [this] { ObjFListeOpenTimer.start(); }});
    const auto verbinden = [this](QAction* eintrag, void (TObjektlisteDateiAktionen::*aktion)()) {
        connect(eintrag, &QAction::triggered, this,
                [this, aktion] { FehlerAbfangen([this, aktion] { (dateiAktionen_.get()->*aktion)(); }); });
    };
    verbinden(ui->OLNeuMen, &TObjektlisteDateiAktionen::OLNeuMenClick);
    verbinden(ui->OLOeffnenMen, &TObjektlisteDateiAktionen::OLOeffnenMenClick);
    verbinden(ui->OLSpeichernUnterMen, &TObjektlisteDateiAktionen::OLSpeichernUnterMenClick);
    connect(ui->BeendenMen, &QAction::triggered, this, &QWidget::close);
    new TGrafikExport(*this, ui->GrafikKopierenMen, ui->GrafikSpeichernUnterMen);
    // Every item of the menu "Mathematik" starts a new object of the type its name says.
    for (QAction* typ : ui->MathematikMen->actions()) {
        if (typ->isSeparator())
            continue;
        connect(typ, &QAction::triggered, this,
                [this, typ] { FehlerAbfangen([&] { objektEditor_->ObjEdStartMenClick(typ->objectName()); }); });
    }
}

void TOrbisto2013Form::DateiDialogSetzen(DateiDialogFunktion dialog)
{
    dateiAktionen_->DialogSetzen(std::move(dialog));
}

// A list has been loaded: the mouse may turn the view again, and the list shows in the
// default view. The pause keeps the button release that closed the file dialog, which may
// land on the drawing surface, from turning the view.
void TOrbisto2013Form::ObjFListeOpenTimerTimer()
{
    ObjFListeOpenTimer.stop();
    ui->KoSysSteuerPanel->alleResetSpeedButtonClick();
    Zeichnen();
}

void TOrbisto2013Form::Zeichnen()
{
    EinstellungenAnzeigen();
    ui->OGLPanel->JetztZeichnen();
}

void TOrbisto2013Form::EinstellungenAnzeigen()
{
    if (einstellungenAnzeigen_)
        einstellungenAnzeigen_();
}

void TOrbisto2013Form::QuadratischeGrafik()
{
    // The available area already leaves out task bars.
    const QRect bildschirm = screen()->availableGeometry();
    const int rahmenHoehe = frameGeometry().height() - height();
    move(bildschirm.topLeft());  // a window's position is that of its frame
    resize(width(), bildschirm.height() - rahmenHoehe);
    // Lay out now to learn the drawing surface's new height; the extra width then goes to
    // the drawing surface alone, the left side keeps its width.
    layout()->activate();
    resize(width() + ui->OGLPanel->height() - ui->OGLPanel->width(), height());
}

void TOrbisto2013Form::ZeichnenAnfordern()
{
    // Starting a running timer would restart it; requests only ever shorten the wait.
    if (!OGLTimer.isActive())
        OGLTimer.start();
}

void TOrbisto2013Form::OGLTimerTimer()
{
    if (!programm_.GrafikBereit)
        return;  // try again next interval
    OGLTimer.stop();
    Zeichnen();
}

void TOrbisto2013Form::SystemZRotationTimerTimer()
{
    programm_.KoSys.zDrehung += 1;
    Zeichnen();
}

void TOrbisto2013Form::ModusSetzen(tModus modus)
{
    programm_.Modus = modus;
    listenModell_->ModusAnzeigen();
}

void TOrbisto2013Form::EditorZeigen(bool sichtbar)
{
    int hoehe = 2;
    if (sichtbar) {
        // The client area reaches down to the window's bottom edge, status bar included.
        const int client = height() - menuBar()->height();
        hoehe = client > 400 ? client - 340 : 100;
    }
    editorHoehe_ = hoehe;
    ersteSeiteSetzen(ui->liSplitter, hoehe);
    ui->ObjEdSAGrid->setVisible(sichtbar);
    ui->ObjEdToolBar->setVisible(sichtbar);
}

void TOrbisto2013Form::FormResize()
{
    if (!programm_.GrafikBereit)
        return;
    statusPanel0_->setText(QStringLiteral("   Grafik: (%1/%2)").arg(ui->OGLPanel->width()).arg(ui->OGLPanel->height()));
    ZeichnenAnfordern();
}

void TOrbisto2013Form::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (aufgeteilt_)
        return;
    // Splitters know their extent only once the window is laid out for showing.
    aufgeteilt_ = true;
    ersteSeiteSetzen(ui->Splitter, ui->KoSysSteuerPanel->width() + 16);
    ersteSeiteSetzen(ui->reSplitter, 100);
    ersteSeiteSetzen(ui->liSplitter, editorHoehe_);
}

bool TOrbisto2013Form::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt == ui->OGLPanel && ereignis->type() == QEvent::Resize)
        FormResize();
    // The object list's current row is the one "Objekt löschen" removes. A view would also
    // move it on a right click, the very click that opens that menu, and on typing (it
    // searches for the typed text); the grid takes neither. The pop-up menu still comes.
    if (objekt == ui->ObjFSAGrid->viewport()) {
        const QEvent::Type typ = ereignis->type();
        if ((typ == QEvent::MouseButtonPress || typ == QEvent::MouseButtonDblClick ||
             typ == QEvent::MouseButtonRelease) &&
            static_cast<QMouseEvent*>(ereignis)->button() != Qt::LeftButton)
            return true;
    }
    if (objekt == ui->ObjFSAGrid && ereignis->type() == QEvent::KeyPress) {
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        const bool getippt = !taste->text().isEmpty() && taste->text().front().isPrint() &&
                             !(taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (getippt)
            return true;
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

bool TOrbisto2013Form::FormCloseQuery()
{
    if (programm_.Gespeichert)
        return true;
    return Bestaetigung(QStringLiteral("Objektliste so noch nicht gespeichert.\rTrotzdem beenden?"), this);
}

void TOrbisto2013Form::closeEvent(QCloseEvent* event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

void TOrbisto2013Form::ListeAnzeigen()
{
    listenModell_->ListeAnzeigen();
    // The current cell stays, or moved up with its vanished row; show it selected.
    QItemSelectionModel* auswahl = ui->ObjFSAGrid->selectionModel();
    if (auswahl->currentIndex().isValid())
        auswahl->select(auswahl->currentIndex(), QItemSelectionModel::ClearAndSelect);
}

void TOrbisto2013Form::ObjFSAGridDblClick()
{
    tObjektliste& liste = programm_.Objektliste;
    const QModelIndex zelle = ui->ObjFSAGrid->currentIndex();
    const int r = zelle.row() + 1;
    if (!zelle.isValid() || r > liste.ObjektAnzahl())
        return;  // also the empty row of an empty list
    switch (zelle.column()) {
    case 0: liste[r].Vor = !liste[r].Vor; break;
    case 1: liste[r].Orig = !liste[r].Orig; break;
    default:
        if (eintragBearbeiten_)
            eintragBearbeiten_(r);
    }
    ListeAnzeigen();
    Zeichnen();
}

void TOrbisto2013Form::ObjFObjektLoeschenMenClick()
{
    Programm& p = programm_;
    const QModelIndex zelle = ui->ObjFSAGrid->currentIndex();
    const int r = zelle.row() + 1;
    if (!zelle.isValid() || r > p.Objektliste.ObjektAnzahl())
        return;  // also the empty row of an empty list
    p.Objektliste.ObjektLoeschen(r);
    // The entry under edit keeps its number as the entries move up; if it was the one
    // deleted, the editor keeps the object and Übernehmen adds it as a new entry rather
    // than overwriting whichever entry took its place.
    if (p.Modus == tModus::VorschauBearbeiten) {
        if (r < p.EditIndex)
            --p.EditIndex;
        else if (r == p.EditIndex)
            ModusSetzen(tModus::VorschauNeu);
    }
    ListeAnzeigen();
    Zeichnen();
}

// While a loaded list waits for its view (ObjFListeOpenTimer), the mouse reaches none of
// the three handlers.
void TOrbisto2013Form::OGLPanelMouseDown(int x, int y)
{
    if (ObjFListeOpenTimer.isActive())
        return;
    MausGedrueckt(programm_, x, y);
}

void TOrbisto2013Form::OGLPanelMouseMove(int x, int y, bool nurLinkeTaste)
{
    if (ObjFListeOpenTimer.isActive())
        return;
    if (MausBewegt(programm_, x, y, nurLinkeTaste))
        Zeichnen();
}

void TOrbisto2013Form::OGLPanelMouseUp(int, int)
{
    if (ObjFListeOpenTimer.isActive())
        return;
    MausLosgelassen(programm_);
    Zeichnen();
}

}  // namespace orbisto
