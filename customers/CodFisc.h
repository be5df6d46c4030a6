#pragma once
// TfrmCodFisc: checks a fiscal code by its check character.
#include "customers/code_check_dialog.h"

namespace filmeria {

class TfrmCodFisc final : public CodeCheckDialog {
public:
    TfrmCodFisc(Services& services);

protected:
    void codeChanged() override;
    void check() override;
};

} // namespace filmeria
