#pragma once
// TfrmExpNoleggi: the rental archive export of the year open on the slip screen, in four
// views, to a spreadsheet or a word-processor table. A new screen for every use.
#include "rentals/rental_export.h"
#include "screenkit/export_screen.h"

namespace filmeria {

class TfrmHelpForm;

class TfrmExpNoleggi final : public ExportScreen {
public:
    TfrmExpNoleggi(Services& services, TfrmHelpForm& help, const QString& year,
                   ControlsMade made = ControlsMade::AtConstruction);

protected:
    void showEvent(QShowEvent* event) override;
    void makeOwnControls() override;

private:
    void load(RentalExportView view);

    TfrmHelpForm& help_;
    QString year_;
};

} // namespace filmeria
