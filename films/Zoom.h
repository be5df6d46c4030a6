#pragma once
// TfrmZoom: poster zoom: the film's poster over the whole screen.
#include <QDialog>

namespace filmeria {

class ScreenSet;
struct Services;

class TfrmZoom final : public QDialog {
public:
    TfrmZoom(Services& services, ScreenSet& screens);

private:
    Services& services_;
    ScreenSet& screens_;
};

} // namespace filmeria
