#pragma once
// TfrmAvanzate: customer search.
#include <QDialog>

namespace filmeria {

class ScreenSet;
struct Services;

class TfrmAvanzate final : public QDialog {
public:
    TfrmAvanzate(Services& services, ScreenSet& screens);

private:
    Services& services_;
    ScreenSet& screens_;
};

} // namespace filmeria
