#include "app/orbisto2013_form.h"

#include "app/mausdrehung.h"
#include "app/meldungen.h"
#include "app/oglpanel_widget.h"
#include "app/programm.h"
#include "app/zeichnen.h"
#include "ui_orbisto2013_form.h"
#include "view/kosyssteuerpanel_widget.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QSplitter>
#include <QTableWidget>

namespace orbisto {

namespace {

const QColor Gelb(0xFF, 0xFF, 0x00);  // 0x00FFFF with red in the low byte: red and green full

QTableWidgetItem* festeZelle(const QString& text, const QColor& hintergrund)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setBackground(hintergrund);
    return item;
}

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

    // The drawing surface changes size with the window and with both splitters.
    ui->OGLPanel->installEventFilter(this);

    // Copies the panel's check boxes into KoSys, sets the rotation timer and draws.
    ui->KoSysSteuerPanel->DatenAenderungClick();
    p.GrafikBereit = true;
    ZeichnenAnfordern();
}

void TOrbisto2013Form::GitterEinrichten()
{
    const QColor knopf = palette().color(QPalette::Button);

    QTableWidget* ed = ui->ObjEdSAGrid;
    ed->setColumnCount(2);
    ed->setRowCount(21);
    ed->horizontalHeader()->hide();
    ed->verticalHeader()->hide();
    ed->verticalHeader()->setDefaultSectionSize(18);
    ed->setItem(0, 0, festeZelle(QStringLiteral("Objekt"), Gelb));
    ed->setItem(0, 1, festeZelle(QString(), Gelb));
    for (int r = 1; r < 21; ++r)
        ed->setItem(r, 0, festeZelle(QString(), knopf));

    QTableWidget* liste = ui->ObjFSAGrid;
    liste->setColumnCount(23);
    liste->setRowCount(2);
    liste->horizontalHeader()->hide();
    liste->verticalHeader()->hide();
    liste->setRowHeight(1, 18);
    liste->setColumnWidth(0, 30);
    liste->setColumnWidth(1, 30);
    liste->setColumnWidth(2, 120);
    liste->setTextElideMode(Qt::ElideNone);
    for (int c = 3; c < 23; ++c)
        liste->setColumnWidth(c, 30);
    const QString kopf[] = {QStringLiteral("Vor"), QStringLiteral("Orig"), QStringLiteral("Objekt")};
    for (int c = 0; c < 23; ++c)
        liste->setItem(0, c, festeZelle(c < 3 ? kopf[c] : QString(), knopf));
}

void TOrbisto2013Form::MenuesVerbinden() { connect(ui->BeendenMen, &QAction::triggered, this, &QWidget::close); }

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
    const QColor knopf = palette().color(QPalette::Button);
    QTableWidget* liste = ui->ObjFSAGrid;
    liste->item(0, 0)->setBackground(modus == tModus::Original ? knopf : Gelb);
    liste->item(0, 1)->setBackground(modus == tModus::Original ? Gelb : knopf);
}

void TOrbisto2013Form::EditorZeigen(bool sichtbar)
{
    int hoehe = 2;
    if (sichtbar) {
        const int client = centralWidget()->height();
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

void TOrbisto2013Form::OGLPanelMouseDown(int x, int y) { MausGedrueckt(programm_, x, y); }

void TOrbisto2013Form::OGLPanelMouseMove(int x, int y, bool nurLinkeTaste)
{
    if (MausBewegt(programm_, x, y, nurLinkeTaste))
        Zeichnen();
}

void TOrbisto2013Form::OGLPanelMouseUp(int, int)
{
    MausLosgelassen(programm_);
    Zeichnen();
}

}  // namespace orbisto
