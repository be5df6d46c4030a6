#pragma once
// TfrmCodFisc: fiscal code check.
#include <QDialog>

namespace filmeria {

class ScreenSet;
struct Services;

class TfrmCodFisc final : public QDialog {
public:
    TfrmCodFisc(Services& services, ScreenSet& screens);

private:
    Services& services_;
    ScreenSet& screens_;
};

} // namespace filmeria
