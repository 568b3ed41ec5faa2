#pragma once
// The object lists named on the command line, opened in the window once it is shown.

#include <QStringList>

namespace orbisto {

class TOrbisto2013Form;

// Opens `dateien` in the main window: the first list becomes the program's list (as
// opening it from the menu would do); the window holds one list, so any further name is
// reported and not opened. A list that cannot be read is reported and leaves an empty list.
void ListenBeimStartOeffnen(TOrbisto2013Form& hauptfenster, const QStringList& dateien);

}  // namespace orbisto
