#include "windows/objekteditor_widget.h"

#include "objects/objekteditor.h"
#include "programm/programm.h"
#include "widgets/autorepeatbutton_widget.h"
#include "widgets/meldungen.h"
#include "windows/farben.h"
#include "windows/steuerglyphen.h"

#include <QColorDialog>
#include <QEvent>
#include <QHeaderView>
#include <QLayout>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>

namespace orbisto {

namespace {

constexpr int Zeilen = 21;  // the heading and the 20 parameters

// The value column's cell editor: what is typed reaches the cell at once, as in a grid
// whose editor is always shown, so a step button works on the number being typed; and a
// double-click in it counts as a double-click on the grid.
class WertDelegate : public QStyledItemDelegate {
public:
    WertDelegate(QObject* doppelklickFilter, QObject* parent)
        : QStyledItemDelegate(parent), doppelklickFilter_(doppelklickFilter)
    {
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* zeile = qobject_cast<QLineEdit*>(editor)) {
            auto* self = const_cast<WertDelegate*>(this);
            connect(zeile, &QLineEdit::textEdited, self, [self, zeile] { emit self->commitData(zeile); });
            zeile->installEventFilter(doppelklickFilter_);
        }
        return editor;
    }

private:
    QObject* doppelklickFilter_;
};

const struct {
    const char* Name;
    const char* Hinweis;
    double Schritt;
} Schrittknoepfe[] = {
    {"ObjEdMinus1RxSpeedButton", "Wert - 1", -1},         {"ObjEdMinus01RxSpeedButton", "Wert - 0,1", -0.1},
    {"ObjEdMinus001RxSpeedButton", "Wert - 0,01", -0.01}, {"ObjEdPlus001RxSpeedButton", "Wert + 0,01", 0.01},
    {"ObjEdPlus01RxSpeedButton", "Wert + 0,1", 0.1},      {"ObjEdPlus1RxSpeedButton", "Wert + 1", 1},
};

QTableWidgetItem* Zelle(const QColor& hintergrund, bool bearbeitbar)
{
    auto* item = new QTableWidgetItem;
    if (bearbeitbar) {
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    } else {
        item->setFlags(Qt::ItemIsEnabled);
        item->setBackground(hintergrund);
    }
    return item;
}

}  // namespace

TObjektEditor::TObjektEditor(Programm& programm, QScrollArea* scrollBox, QToolBar* toolBar, QTableWidget* grid,
                             Umgebung umgebung, QObject* parent)
    : QObject(parent), programm_(programm), scrollBox_(scrollBox), grid_(grid), umgebung_(std::move(umgebung))
{
    farbDialog_ = [this](const QColor& anfang) -> std::optional<QColor> {
        const QColor c = QColorDialog::getColor(anfang, grid_->window(), QStringLiteral("Farbe"));
        return c.isValid() ? std::optional<QColor>(c) : std::nullopt;
    };
    ToolBarEinrichten(toolBar);
    GitterEinrichten();
    scrollBox_->installEventFilter(this);
}

void TObjektEditor::ToolBarEinrichten(QToolBar* toolBar)
{
    // All ten controls side by side within the left panel's width.
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setIconSize(QSize(16, 16));
    toolBar->layout()->setSpacing(0);
    toolBar->layout()->setContentsMargins(0, 0, 0, 0);
    farbFeld_ = new QToolButton(toolBar);
    farbFeld_->setObjectName(QStringLiteral("ObjEdColorPanel"));
    farbFeld_->setFixedSize(50, 20);
    const QString hinweis = QStringLiteral("Objekt in dieser Farbe zeichnen");
    farbFeld_->setToolTip(hinweis);
    farbFeld_->setAccessibleName(hinweis);
    connect(farbFeld_, &QToolButton::clicked, this, [this] { FehlerAbfangen([this] { ObjEdColorPanelClick(); }); });
    toolBar->addWidget(farbFeld_);
    FarbeZeigen(farbe_);

    const auto knopf = [&](const char* name, const char* hinweis, bool wiederholen, std::function<void()> tun) {
        auto* k = new TRxSpeedButton(toolBar);
        k->setObjectName(QLatin1String(name));
        k->setToolTip(QString::fromUtf8(hinweis));
        k->setIcon(SteuerGlyphe(k->objectName()));
        k->setRepeat(wiederholen);
        k->setInitialPause(500);
        k->setRepeatInterval(100);
        k->setFixedSize(23, 22);
        k->setOnClick(std::move(tun));
        toolBar->addWidget(k);
    };
    for (const auto& s : Schrittknoepfe) {
        const double schritt = s.Schritt;
        knopf(s.Name, s.Hinweis, true, [this, schritt] { ObjEdPlusMinusSpeedButtonClick(schritt); });
    }
    knopf("ObjEdEinfuegenRxSpeedButton", "Objekt in die Liste übernehmen", false,
          [this] { ObjEdEinfuegenRxSpeedButtonClick(); });
    knopf("ObjEdSchliessenRxSpeedButton", "Schließen", false, [this] { ObjEdSchliessenRxSpeedButtonClick(); });
}

void TObjektEditor::GitterEinrichten()
{
    const QColor knopf = grid_->palette().color(QPalette::Button);
    grid_->setColumnCount(2);
    grid_->setRowCount(Zeilen);
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(18);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    // The value under the cursor is always open for typing.
    grid_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    grid_->setItemDelegateForColumn(1, new WertDelegate(this, grid_));
    grid_->setAccessibleName(QStringLiteral("Parameter des Objekts"));
    for (int r = 0; r < Zeilen; ++r) {
        grid_->setItem(r, 0, Zelle(r == 0 ? Gelb : knopf, false));
        grid_->setItem(r, 1, Zelle(Gelb, r > 0));
    }
    grid_->item(0, 0)->setText(QStringLiteral("Objekt"));
    grid_->setColumnWidth(0, 80);
    ObjEdScrollBoxResize();

    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int zeile, int spalte, int, int) {
        FehlerAbfangen([&] { AktuelleZelleGeaendert(zeile, spalte); });
    });
    connect(grid_, &QTableWidget::cellDoubleClicked, this,
            [this](int, int) { FehlerAbfangen([this] { ObjEdSAGridDblClick(); }); });
}

bool TObjektEditor::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt == scrollBox_ && ereignis->type() == QEvent::Resize)
        ObjEdScrollBoxResize();
    else if (qobject_cast<QLineEdit*>(objekt) && ereignis->type() == QEvent::MouseButtonDblClick)
        FehlerAbfangen([this] { ObjEdSAGridDblClick(); });
    return QObject::eventFilter(objekt, ereignis);
}

void TObjektEditor::ObjEdScrollBoxResize()
{
    grid_->setColumnWidth(1, qMax(20, scrollBox_->viewport()->width() - 104));
}

QString TObjektEditor::Name(int zeile) const { return grid_->item(zeile, 0)->text(); }

QString TObjektEditor::Wert(int zeile) const { return grid_->item(zeile, 1)->text(); }

void TObjektEditor::ZelleAendern(int zeile, const QString& text) { grid_->item(zeile, 1)->setText(text); }

void TObjektEditor::ParameterSetzen(int zeile, std::string neu)
{
    const std::size_t index = static_cast<std::size_t>(zeile - 1);
    tZeilenwert wert = ImAufwand(programm_.VorschauObjekt, index, Name(zeile).toStdString(), std::move(neu));
    ZelleAendern(zeile, QString::fromStdString(wert.text));
    programm_.VorschauObjekt.Parameter[index] = std::move(wert.text);
    if (wert.meldung)
        Fehlermeldung(QString::fromStdString(*wert.meldung), grid_->window());
}

void TObjektEditor::FarbeZeigen(const QColor& farbe)
{
    farbe_ = farbe;
    farbFeld_->setStyleSheet(
        QStringLiteral("QToolButton { background-color: %1; border: 2px outset %1; }").arg(farbe.name()));
    farbFeld_->setAccessibleDescription(farbe.name());
}

void TObjektEditor::ZellenLeeren()
{
    for (int r = 0; r < Zeilen; ++r)
        for (int c = 0; c < 2; ++c)
            grid_->item(r, c)->setText(QString());
}

void TObjektEditor::ObjEdStartMenClick(const QString& menuName)
{
    Programm& p = programm_;
    umgebung_.modusSetzen(tModus::VorschauNeu);
    ZellenLeeren();
    const std::string typ = menuName.chopped(3).toStdString();
    p.VorschauObjekt.Typname = typ;
    TypIndex = p.Typenliste.TypSuchen(typ);
    p.VorschauObjekt.Parameter = p.Typenliste[static_cast<std::size_t>(TypIndex)].ParWert;
    p.VorschauObjekt.FarbeSetzen(QColorAlsFarbe(farbe_));
    EditorFuellen();
    umgebung_.zeichnen();
}

void TObjektEditor::EintragBearbeiten(int r)
{
    Programm& p = programm_;
    umgebung_.modusSetzen(tModus::VorschauBearbeiten);
    p.EditIndex = r;
    p.EditVor = p.Objektliste[r].Vor;
    p.Objektliste[r].Vor = false;  // not drawn beside its own preview
    p.VorschauObjekt = p.Objektliste[r];
    EditorFuellen();
}

void TObjektEditor::EditorFuellen()
{
    const t3DObjekt& o = programm_.VorschauObjekt;
    umgebung_.editorZeigen(true);
    grid_->item(0, 0)->setText(QStringLiteral("Objekt"));
    grid_->item(0, 1)->setText(QString::fromStdString(o.Typname));
    {
        // Moving to the first value must not check a row of the object shown before.
        fuellen_ = true;
        grid_->setCurrentCell(1, 1);
        fuellen_ = false;
    }
    LetzteZeile = 1;
    TypIndex = programm_.Typenliste.TypSuchen(o.Typname);
    const t3DTyp& typ = programm_.Typenliste[static_cast<std::size_t>(TypIndex)];
    for (int r = 1; r < Zeilen; ++r) {
        grid_->item(r, 0)->setText(QString::fromStdString(typ.ParName[static_cast<std::size_t>(r - 1)]));
        ZelleAendern(r, QString::fromStdString(o.Parameter[static_cast<std::size_t>(r - 1)]));
    }
    FarbeZeigen(FarbeAlsQColor(o.Farbe()));
    grid_->setFocus();
}

void TObjektEditor::AktuelleZelleGeaendert(int zeile, int spalte)
{
    if (fuellen_ || zeile < 0)
        return;
    if (zeile == 0 || spalte != 1) {
        // Names and the heading are fixed: the cursor goes to the value beside them,
        // and that move checks the row left.
        grid_->setCurrentCell(qMax(zeile, 1), 1);
        return;
    }
    ObjEdSAGridClick();
}

void TObjektEditor::ObjEdSAGridClick()
{
    const int p = LetzteZeile;
    LetzteZeile = grid_->currentRow();
    if (p < 1 || p >= Zeilen)
        return;
    const std::string name = Name(p).toStdString();
    std::string neu = ZeileUebernehmen(name, Wert(p).toStdString());
    if (name.empty()) {
        ZelleAendern(p, QString::fromStdString(neu));
        return;
    }
    ParameterSetzen(p, std::move(neu));
    umgebung_.zeichnen();
}

void TObjektEditor::ObjEdPlusMinusSpeedButtonClick(double schritt)
{
    const int r = grid_->currentRow();
    if (r < 1 || r >= Zeilen)
        return;
    const std::optional<std::string> neu = WertSchritt(Name(r).toStdString(), Wert(r).toStdString(), schritt);
    if (!neu)
        return;
    ParameterSetzen(r, *neu);
    umgebung_.zeichnen();
}

void TObjektEditor::ObjEdSAGridDblClick()
{
    const int r = grid_->currentRow();
    if (r >= 1 && r < Zeilen) {
        if (const auto neu = SchalterUmschalten(Name(r).toStdString(), Wert(r).toStdString()))
            ParameterSetzen(r, *neu);
    }
    umgebung_.zeichnen();
}

void TObjektEditor::ObjEdColorPanelClick()
{
    if (const std::optional<QColor> farbe = farbDialog_(farbe_)) {
        FarbeZeigen(*farbe);
        programm_.VorschauObjekt.FarbeSetzen(QColorAlsFarbe(*farbe));
    }
    umgebung_.zeichnen();
}

void TObjektEditor::ObjEdEinfuegenRxSpeedButtonClick()
{
    Programm& p = programm_;
    if (p.Modus == tModus::VorschauNeu) {
        if (p.Objektliste.Voll()) {
            Fehlermeldung(QStringLiteral("Objektliste ist voll"), grid_->window());
            return;
        }
        p.VorschauObjekt.Vor = false;
        p.VorschauObjekt.Orig = true;
        p.Objektliste.ObjektAnhaengen(p.VorschauObjekt);
    } else if (p.Modus == tModus::VorschauBearbeiten) {
        p.VorschauObjekt.Vor = p.EditVor;
        p.Objektliste.ObjektErsetzen(p.EditIndex, p.VorschauObjekt);
    } else {
        return;  // the editor is closed in Original-Modus
    }
    umgebung_.listeAnzeigen();
    p.Gespeichert = false;
}

void TObjektEditor::ObjEdSchliessenRxSpeedButtonClick()
{
    umgebung_.modusSetzen(tModus::Original);
    {
        fuellen_ = true;
        ZellenLeeren();
        fuellen_ = false;
    }
    umgebung_.editorZeigen(false);
    umgebung_.zeichnen();
}

}  // namespace orbisto
