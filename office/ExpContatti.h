#pragma once
// TfrmExpContatti: film archive export.
#include <QDialog>

namespace filmeria {

class ScreenSet;
struct Services;

class TfrmExpContatti final : public QDialog {
public:
    TfrmExpContatti(Services& services, ScreenSet& screens);

private:
    Services& services_;
    ScreenSet& screens_;
};

} // namespace filmeria
