// The dialogs the program opens afresh for every use keep an instance made at start-up. It has
// its window from the start and makes its controls only if it is ever shown: then it is the
// same screen as a fresh one.
#include "shell_fixture.h"

#include "customers/Avanzate.h"
#include "customers/Imminenti.h"
#include "customers/ImportaCliente.h"
#include "customers/Tessera.h"
#include "rentals/Azienda.h"
#include "rentals/ExpNoleggi.h"
#include "rentals/StampaNoleggio.h"
#include "screenkit/HelpForm.h"

#include <QFileInfo>
#include <QLineEdit>

#include <functional>

namespace filmeria::testing {
namespace {

// The screen's named controls, each with whether it shows when the screen does.
QStringList namedParts(const QWidget& screen) {
    QStringList parts;
    for (const QWidget* part : screen.findChildren<QWidget*>())
        if (!part->objectName().isEmpty() && !part->objectName().startsWith(QLatin1String("qt_")))
            parts << part->objectName() +
                         (part->isVisibleTo(&screen) ? QString() : QStringLiteral(" (hidden)"));
    parts.sort();
    return parts;
}

class StartUpInstances : public ShellTest {};

TEST_F(StartUpInstances, MakeTheirControlsOnFirstShowingAndAreThenLikeAFreshScreen) {
    Services& services = fakes.services;
    TfrmHelpForm& help = screens().helpForm();
    const std::pair<QDialog*, std::function<std::unique_ptr<QDialog>()>> dialogs[] = {
        {&screens().avanzate(), [&] { return std::make_unique<TfrmAvanzate>(services); }},
        {&screens().importaCliente(), [&] { return std::make_unique<TfrmImportaCliente>(services); }},
        {&screens().tessera(), [&] { return std::make_unique<TfrmTessera>(services, MembershipCard()); }},
        {&screens().imminenti(), [&] { return std::make_unique<TfrmImminenti>(services, help); }},
        {&screens().expNoleggi(),
         [&] { return std::make_unique<TfrmExpNoleggi>(services, help, QString()); }},
    };
    for (const auto& [startUp, makeFresh] : dialogs) {
        SCOPED_TRACE(startUp->objectName().toStdString());
        const std::unique_ptr<QDialog> fresh = makeFresh();
        EXPECT_TRUE(namedParts(*startUp).isEmpty());
        EXPECT_EQ(startUp->objectName(), fresh->objectName());
        EXPECT_EQ(startUp->windowTitle(), fresh->windowTitle());
        EXPECT_EQ(startUp->windowFlags(), fresh->windowFlags());

        startUp->show();
        EXPECT_EQ(startUp->size(), fresh->size());
        EXPECT_FALSE(namedParts(*startUp).isEmpty());
        EXPECT_EQ(namedParts(*startUp), namedParts(*fresh));
        startUp->hide();
    }
}

TEST_F(StartUpInstances, AMembershipCardNeverShownWritesNoLetterheadWhenClosed) {
    screens().tessera().reject();
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Tessera.ini"))));

    // Once shown, it keeps the lines like any card screen.
    TfrmTessera& card = screens().tessera();
    card.show();
    child<QLineEdit>(card, "txtLogo01")->setText(QStringLiteral("Videoteca Aurora"));
    card.reject();
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("Tessera.ini"))));
}

} // namespace
} // namespace filmeria::testing
