#pragma once
// The film and customer cards: a work screen with the navy status panel along the bottom
// and picture buttons whose labels rest navy.
#include "screenkit/work_screen.h"

class QLabel;

namespace filmeria {

class PictureButtons;
struct Services;

class CardScreen : public WorkScreen {
public:
    CardScreen(Services& services, const QString& caption);

protected:
    Services& services_;
    QLabel* panInfo;
    PictureButtons* buttons_;
};

} // namespace filmeria
