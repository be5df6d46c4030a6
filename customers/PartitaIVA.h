#pragma once
// TfrmIva: checks a VAT number (or a numeric fiscal code) by its check digit and names
// the office that issued it.
#include "customers/code_check_dialog.h"

namespace filmeria {

class TfrmIva final : public CodeCheckDialog {
public:
    TfrmIva(Services& services);

    // The customer card's wording for a numeric fiscal code.
    void useNumericFiscalCodeWording();

protected:
    void codeChanged() override;
    void check() override;
};

} // namespace filmeria
