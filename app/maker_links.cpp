#include "app/maker_links.h"

#include "app/maker.h"
#include "platform/services.h"
#include "screenkit/busy_cursor.h"
#include "screenkit/desktop_outcome.h"

namespace filmeria {

QString makerMailAddress() {
    return QStringLiteral("mailto:") + maker::kEmail + QStringLiteral("?subject=") +
           QStringLiteral("Software Filmeria Pro") + QStringLiteral("&body=") +
           QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:");
}

void writeToMaker(Services& services, QWidget* parent) {
    openMailAddress(services, parent, makerMailAddress());
}

void visitMakerSite(Services& services) {
    BusyCursor busy;
    services.shell.open(maker::kWebSite, ShellVerb::Open);
}

} // namespace filmeria
