#pragma once
// The four navigation arrows of the film card, the customer card and the rental slip screen:
// first, previous, next and last record, each a picture button with its hint.
#include "core/record_navigation.h"

#include <QRect>

#include <array>
#include <functional>

class QLabel;
class QWidget;

namespace filmeria {

class PictureButtons;

struct ArrowStrip {
    QLabel* imgPrimo;
    QLabel* imgIndietro;
    QLabel* imgAvanti;
    QLabel* imgUltimo;
};

// Puts the arrows at `places` (first, previous, next, last) and binds each to `go`.
ArrowStrip addArrowStrip(PictureButtons& buttons, QWidget* parent, const std::array<QRect, 4>& places,
                         const std::function<void(NavigationStep)>& go);

} // namespace filmeria
