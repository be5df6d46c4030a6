#pragma once
// The toolkit's own texts in Italian (file dialogs, standard buttons, context menus of edit
// fields), whatever the system's language.

namespace filmeria {

// Loads the toolkit's Italian translations into the running application; false when they are
// not installed (the toolkit's texts then stay in English).
bool installItalianTranslations();

} // namespace filmeria
