#include "windows/objektlistemodell.h"

#include "core/zitat.h"
#include "programm/programm.h"
#include "windows/farben.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <cmath>
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

// A tool tip of plain text is one line however long; a cut formula of 256 characters
// would run off the screen. Lines break between characters, never inside a surrogate pair.
constexpr qsizetype TippZeile = 64;

QString TippText(const QString& text)
{
    QString tipp;
    qsizetype anfang = 0;
    while (anfang < text.size()) {
        qsizetype ende = std::min(anfang + TippZeile, text.size());
        if (ende < text.size() && text[ende].isLowSurrogate())
            ++ende;
        if (!tipp.isEmpty())
            tipp += QLatin1Char('\n');
        tipp += text.mid(anfang, ende - anfang);
        anfang = ende;
    }
    return tipp;
}

// The colour as stored, framed so that white and other light colours show on white.
QPixmap Farbfeld(const QColor& farbe)
{
    QPixmap feld(10, 10);
    feld.fill(farbe);
    QPainter maler(&feld);
    maler.setPen(QColor(0x40, 0x40, 0x40));
    maler.drawRect(0, 0, feld.width() - 1, feld.height() - 1);
    return feld;
}

double Leuchtdichte(const QColor& farbe)
{
    const auto linear = [](int kanal) {
        const double c = kanal / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(farbe.red()) + 0.7152 * linear(farbe.green()) + 0.0722 * linear(farbe.blue());
}

QColor Abgedunkelt(const QColor& farbe, int stufe)
{
    const auto kanal = [stufe](int c) { return int(std::lround(c * stufe / 255.0)); };
    return QColor(kanal(farbe.red()), kanal(farbe.green()), kanal(farbe.blue()));
}

constexpr double MindestKontrast = 3.0;

}  // namespace

double Kontrast(const QColor& a, const QColor& b)
{
    const double la = Leuchtdichte(a), lb = Leuchtdichte(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor LesbareSchriftfarbe(const QColor& farbe)
{
    const QColor weiss(Qt::white);
    const QColor rgb = farbe.toRgb();
    if (Kontrast(rgb, weiss) >= MindestKontrast)
        return rgb;
    // The contrast grows as every channel shrinks by the same factor, so the lightest
    // readable shade is found by halving the interval of factors; stufe 0 is black.
    int lesbar = 0, zuHell = 255;
    while (zuHell - lesbar > 1) {
        const int mitte = (lesbar + zuHell) / 2;
        (Kontrast(Abgedunkelt(rgb, mitte), weiss) >= MindestKontrast ? lesbar : zuHell) = mitte;
    }
    return Abgedunkelt(rgb, lesbar);
}

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

    const auto text = [&] {
        return ZellenText(spalte == 2 ? eintrag.Typname : eintrag.Parameter[std::size_t(spalte - 3)]);
    };
    switch (role) {
    case Qt::DisplayRole:
        if (spalte == 0)
            return eintrag.Vor ? Markierung : QString();
        if (spalte == 1)
            return eintrag.Orig ? Markierung : QString();
        return text();
    case Qt::ToolTipRole:
        if (spalte >= 2) {
            const QString t = text();
            return t.isEmpty() ? QVariant() : QVariant(TippText(t));
        }
        return {};
    case Qt::ForegroundRole:
        // The marks keep the grid's own text colour.
        if (spalte >= 2)
            return QBrush(LesbareSchriftfarbe(FarbeAlsQColor(eintrag.Farbe())));
        return {};
    case Qt::DecorationRole:
        if (spalte == 2)
            return Farbfeld(FarbeAlsQColor(eintrag.Farbe()));
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
