#pragma once

namespace plicora {

// Loads Qt's own Italian texts (context menus, standard buttons) from the system's Qt
// translations. Without them the program still runs, with those texts in English, and says so on
// standard error.
void loadQtTranslation();

} // namespace plicora
