#pragma once
// TfrmImminenti: customer archive export.
#include <QDialog>

namespace filmeria {

class ScreenSet;
struct Services;

class TfrmImminenti final : public QDialog {
public:
    TfrmImminenti(Services& services, ScreenSet& screens);

private:
    Services& services_;
    ScreenSet& screens_;
};

} // namespace filmeria
