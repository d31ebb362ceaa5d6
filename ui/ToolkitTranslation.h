#pragma once

// Makes Qt's own texts in the window (context menus, scroll bar menus) Bulgarian, whatever the
// system's language: the lesson is Bulgarian everywhere. The translation is Qt's own, built into
// the program. Returns false only if that translation could not be loaded.
bool installToolkitTranslation();
