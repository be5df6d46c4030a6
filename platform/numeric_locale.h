#pragma once
// The toolkit takes the C library's locale from the environment when its application object
// starts; under an Italian desktop that makes every number printed by the C library (and by
// libxlsxwriter, libzip and SQLite through it) carry a decimal comma. The program writes its
// own decimal commas where the archives want them, so numbers in the C library stay "C".
namespace filmeria {

// Call right after constructing the application object.
void keepNumbersInCLocale();

} // namespace filmeria
