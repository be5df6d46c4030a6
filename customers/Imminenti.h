#pragma once
// TfrmImminenti: the customer archive export, in four views, to a spreadsheet or a
// word-processor table. A new screen for every use.
#include "customers/customer_export.h"
#include "screenkit/export_screen.h"

namespace filmeria {

class TfrmHelpForm;

class TfrmImminenti final : public ExportScreen {
public:
    TfrmImminenti(Services& services, TfrmHelpForm& help, ControlsMade made = ControlsMade::AtConstruction);

protected:
    void showEvent(QShowEvent* event) override;
    void makeOwnControls() override;

private:
    void load(CustomerExportView view);

    TfrmHelpForm& help_;
};

} // namespace filmeria
