#pragma once
// TfrmAzienda: store letterhead lines.
#include <QDialog>

namespace filmeria {

struct Services;

class TfrmAzienda final : public QDialog {
public:
    TfrmAzienda(Services& services);

private:
    Services& services_;
};

} // namespace filmeria
