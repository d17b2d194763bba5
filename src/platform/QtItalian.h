#pragma once

// Qt's own texts in Italian: the print dialog, the fields' context menus
// ("Annulla", "Taglia", "Copia", "Incolla") and the standard buttons. Installs
// Qt's Italian translation (qtbase_it.qm from Qt's translations folder) on the
// running application, once. Returns false when the translation is not there
// (Debian package qt6-translations-l10n); Qt then speaks English.
[[nodiscard]] bool LoadQtItalian();
