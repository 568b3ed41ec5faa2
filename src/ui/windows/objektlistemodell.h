#pragma once
// The object list as the main window's grid shows it: one row per entry (one empty row
// for an empty list), the columns "Vor", "Orig", "Objekt" and the 20 parameters.
//
// The grid is a picture of the list, not an editor: no cell can be edited, and what the
// rows show follows the list only when ListeAnzeigen is called after a change. The header
// cell of the marks that the current display mode draws ("Orig" in Original-Modus, "Vor"
// in Vorschau-Modus) is yellow. A text of more than 256 bytes shows its beginning and
// "…", so a field of megabytes is shown as quickly as any other; the same text, broken
// into lines, is the cell's tool tip, so a parameter cut off at the column's edge can be
// read whole.
//
// An entry's colour is drawn two ways: as a swatch before its name, exactly as stored,
// and as the colour of its texts, darkened where it is too light to read on the white
// grid (LesbareSchriftfarbe), so aqua, white or yellow entries stay readable.

#include <QAbstractTableModel>
#include <QColor>

namespace orbisto {

// Contrast of two colours as the ratio (L1 + 0,05) / (L2 + 0,05) of their relative
// luminances in sRGB, lighter over darker: 1 for equal colours, 21 for black on white.
double Kontrast(const QColor& a, const QColor& b);

// The darkest text colour needed: `farbe` itself where it has a contrast of at least
// 3 : 1 against white, otherwise the same hue scaled towards black just far enough.
QColor LesbareSchriftfarbe(const QColor& farbe);

class Programm;

class TObjektlisteModell : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int Spalten = 23;  // Vor, Orig, Objekt, Parameter 1 to 20

    explicit TObjektlisteModell(Programm& programm, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Shows the list as it is now. The view keeps its current cell (moved up when its
    // row goes away) and its scroll position.
    void ListeAnzeigen();
    // Colours the header after Programm::Modus has changed.
    void ModusAnzeigen();

private:
    Programm& programm_;
    int zeilen_;  // the row count the views know
};

}  // namespace orbisto
