#pragma once
// The pictures of the step buttons of motion with matrices, drawn as vectors like every
// button picture of the program: arrows in the axis colours for the shifts, a curved arrow
// each way for the rotations, a yellow disc for the way back to the start.

#include <QIcon>
#include <QString>

namespace orbisto {

// The picture of a button by its objectName; a null QIcon for a button that shows a caption.
QIcon BewegungGlyphe(const QString& knopfName);

}  // namespace orbisto
