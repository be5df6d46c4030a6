#pragma once
// Writing to the maker and visiting the maker's web site, from the main and information windows.
#include <QString>

class QWidget;

namespace filmeria {

struct Services;

// The mailto: text handed to the shell, pieces joined as they stand.
QString makerMailAddress();

// Opens the mail program on a message to the maker; a shell failure shows
// "Invio e-mail non riuscito.".
void writeToMaker(Services& services, QWidget* parent);

// Opens the maker's web site; a failure is ignored.
void visitMakerSite(Services& services);

} // namespace filmeria
