#include "screenkit/arrow_strip.h"

#include "screenkit/controls.h"
#include "screenkit/picture_buttons.h"

#include <QLabel>

namespace filmeria {

ArrowStrip addArrowStrip(PictureButtons& buttons, QWidget* parent, const std::array<QRect, 4>& places,
                         const std::function<void(NavigationStep)>& go) {
    const struct {
        const char* name;
        const char* picture;
        const char* hint;
        NavigationStep step;
    } arrows[] = {
        {"imgPrimo", ":/pictures/arrow_primo.png", " Prima scheda ", NavigationStep::First},
        {"imgIndietro", ":/pictures/arrow_indietro.png", " Scheda precedente ", NavigationStep::Previous},
        {"imgAvanti", ":/pictures/arrow_avanti.png", " Scheda successiva ", NavigationStep::Next},
        {"imgUltimo", ":/pictures/arrow_ultimo.png", " Ultima scheda ", NavigationStep::Last},
    };
    std::array<QLabel*, 4> made{};
    for (std::size_t i = 0; i < made.size(); ++i) {
        const auto& a = arrows[i];
        made[i] = makePicture(parent, QLatin1String(a.name), QLatin1String(a.picture), places[i],
                              QLatin1String(a.hint));
        buttons.add(made[i], nullptr, {}, [go, step = a.step] { go(step); });
    }
    return {made[0], made[1], made[2], made[3]};
}

} // namespace filmeria
