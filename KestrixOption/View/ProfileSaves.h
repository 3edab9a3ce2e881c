#pragma once

#include <functional>

// The window's saves of the profile library, made on the saver's thread (ProfileSaver.h): the
// syncs of the files and folders never hold up a paint or a click.
namespace ProfileSaves {

// Saves the library as it is now. Without `saved`, a save that fails is told to the user; with
// it, `saved` hears the outcome on the window's thread instead, also after the caller is gone.
void save(std::function<void(bool saved)> saved = {});

} // namespace ProfileSaves
