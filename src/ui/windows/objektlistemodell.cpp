#include "windows/objektlistemodell.h"

#include "core/zitat.h"
#include "programm/programm.h"
#include "windows/farben.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace orbisto {

namespace {

const QString Markierung = QStringLiteral(" *");

QFont MarkierungsSchrift()
{
    QFont schrift;
    schrift.setPixelSize(20);
    schrift.setBold(true);
    return schrift;
}

int ZeilenFuer(const tObjektliste& liste) { return std::max(liste.ObjektAnzahl(), 1); }

// A cell shows at most this many bytes of its text. Qt measures and lays out the whole
// text of a cell on every paint, which takes seconds for a field of megabytes; a column
// never shows more than a few dozen characters anyway.
constexpr std::size_t ZelleMax = 256;

QString ZellenText(const std::string& text) { return QString::fromStdString(Gekuerzt(text, ZelleMax)); }

}  // namespace

TObjektlisteModell::TObjektlisteModell(Programm& programm, QObject* parent)
    : QAbstractTableModel(parent), programm_(programm), zeilen_(ZeilenFuer(programm.Objektliste))
{
}

int TObjektlisteModell::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : zeilen_; }

int TObjektlisteModell::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Spalten; }

QVariant TObjektlisteModell::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int spalte = index.column();
    if (role == Qt::FontRole && spalte < 2)
        return MarkierungsSchrift();

    // Between a change of the list and the next ListeAnzeigen a row may have no entry.
    const std::int32_t nr = index.row() + 1;
    if (nr > programm_.Objektliste.ObjektAnzahl())
        return {};
    const t3DObjekt& eintrag = programm_.Objektliste[nr];

    switch (role) {
    case Qt::DisplayRole:
        if (spalte == 0)
            return eintrag.Vor ? Markierung : QString();
        if (spalte == 1)
            return eintrag.Orig ? Markierung : QString();
        if (spalte == 2)
            return ZellenText(eintrag.Typname);
        return ZellenText(eintrag.Parameter[std::size_t(spalte - 3)]);
    case Qt::ForegroundRole:
        // The marks keep the grid's own text colour.
        if (spalte >= 2)
            return QBrush(FarbeAlsQColor(eintrag.Farbe()));
        return {};
    default: return {};
    }
}

QVariant TObjektlisteModell::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= Spalten)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        switch (section) {
        case 0: return QStringLiteral("Vor");
        case 1: return QStringLiteral("Orig");
        case 2: return QStringLiteral("Objekt");
        default: return QString();
        }
    case Qt::BackgroundRole: {
        // No brush leaves the header's own button face.
        const int gelb = programm_.Modus == tModus::Original ? 1 : 0;
        return section == gelb ? QVariant(QBrush(Gelb)) : QVariant();
    }
    default: return {};
    }
}

Qt::ItemFlags TObjektlisteModell::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void TObjektlisteModell::ListeAnzeigen()
{
    // Rows come and go at the end, the way a grid changes its row count; the rows that
    // stay show new contents. A reset instead would drop the current cell, and the
    // current row is what the delete item of the pop-up menu works on.
    const int neu = ZeilenFuer(programm_.Objektliste);
    if (neu > zeilen_) {
        beginInsertRows({}, zeilen_, neu - 1);
        zeilen_ = neu;
        endInsertRows();
    } else if (neu < zeilen_) {
        beginRemoveRows({}, neu, zeilen_ - 1);
        zeilen_ = neu;
        endRemoveRows();
    }
    emit dataChanged(index(0, 0), index(zeilen_ - 1, Spalten - 1));
}

void TObjektlisteModell::ModusAnzeigen() { emit headerDataChanged(Qt::Horizontal, 0, 1); }

}  // namespace orbisto
