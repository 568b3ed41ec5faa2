#pragma once
// Qt's own texts (standard buttons, context menus of text fields and scroll bars, key names
// such as "Strg+C") in German, like every text of the program.

class QCoreApplication;

namespace orbisto {

// Loads Qt's German translation into `app` and makes German the default locale. Returns
// false when the translation is not installed; Qt's texts then stay English.
bool DeutschEinrichten(QCoreApplication& app);

}  // namespace orbisto
