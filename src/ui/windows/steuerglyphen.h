#pragma once
// The pictures of the view control buttons (control panel and projection settings) and of
// the object editor's buttons, drawn
// as vectors: an icon paints itself at every size and device pixel ratio it is asked for.
//
// One visual language throughout: an axis is shown in its colour from the view (x red,
// y green and slanting backwards, z blue and upright); arrows away from a bar stretch,
// arrows towards it compress; a dark origin cross with an axis-coloured arrow moves the
// origin; a framed coordinate system with a dark arrow moves the whole system; a corner
// badge says +, − or reset. Disabled, a glyph is drawn in the palette's disabled greys.

#include "widgets/glyphpainter.h"

#include <QIcon>
#include <QString>

namespace orbisto {

// The glyph of a view control button, by the button's objectName; a null QIcon for an unknown name.
QIcon SteuerGlyphe(const QString& knopfName);

}  // namespace orbisto
