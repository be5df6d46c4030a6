#pragma once
// TfrmAzienda: store letterhead lines.
#include <QDialog>

namespace filmeria {

class ScreenSet;
struct Services;

class TfrmAzienda final : public QDialog {
public:
    TfrmAzienda(Services& services, ScreenSet& screens);

private:
    Services& services_;
    ScreenSet& screens_;
};

} // namespace filmeria
