#pragma once
// TfrmTessera: membership card printing.
#include <QDialog>

namespace filmeria {

class ScreenSet;
struct Services;

class TfrmTessera final : public QDialog {
public:
    TfrmTessera(Services& services, ScreenSet& screens);

private:
    Services& services_;
    ScreenSet& screens_;
};

} // namespace filmeria
