#include "screenkit/arrow_strip.h"

#include "screenkit/controls.h"
#include "screenkit/picture_buttons.h"
#include "screenkit/screen_style.h"

#include <QLabel>

namespace filmeria {

QLabel* addArrowStrip(PictureButtons& buttons, QWidget* parent, const ArrowStripPlaces& places,
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
    for (std::size_t i = 0; i < places.arrows.size(); ++i) {
        const auto& a = arrows[i];
        QLabel* arrow = makePicture(parent, QLatin1String(a.name), QLatin1String(a.picture), places.arrows[i],
                                    QLatin1String(a.hint));
        buttons.add(arrow, nullptr, {}, [go, step = a.step] { go(step); });
    }
    auto* box = new QLabel(parent);
    box->setObjectName("lblPosizione");
    box->setFont(style::verdana(places.boxPoints, true));
    box->setAlignment(Qt::AlignCenter);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    style::setBackground(box, places.boxBackground);
    box->setGeometry(places.positionBox);
    return box;
}

} // namespace filmeria
