#pragma once
// TfrmExpContatti: film archive export.
#include <QDialog>

namespace filmeria {

struct Services;

class TfrmExpContatti final : public QDialog {
public:
    TfrmExpContatti(Services& services);

private:
    Services& services_;
};

} // namespace filmeria
