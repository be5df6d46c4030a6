#pragma once
// TfrmCodFisc: checks a fiscal code by its check character.
#include "customers/code_check_dialog.h"

namespace filmeria {

class ScreenSet;

class TfrmCodFisc final : public CodeCheckDialog {
public:
    TfrmCodFisc(Services& services, ScreenSet& screens);

protected:
    void codeChanged() override;
    void check() override;
};

} // namespace filmeria
