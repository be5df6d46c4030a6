#pragma once
// The four navigation arrows of the film card, the customer card and the rental slip screen:
// first, previous, next and last record, each a picture button with its hint.
#include "core/record_archive.h"
#include "core/record_navigation.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "screenkit/archive_message.h"

#include <QColor>
#include <QLabel>
#include <QRect>

#include <array>
#include <functional>

class QLabel;
class QWidget;

namespace filmeria {

class PictureButtons;

// Where the strip goes: the four arrows (first, previous, next, last) and the position box
// `lblPosizione` with its font size and background.
struct ArrowStripPlaces {
    std::array<QRect, 4> arrows;
    QRect positionBox;
    int boxPoints;
    QColor boxBackground;
};

// Puts the arrows and the position box on `parent`, binds each arrow to `go` and returns
// the position box.
QLabel* addArrowStrip(PictureButtons& buttons, QWidget* parent, const ArrowStripPlaces& places,
                      const std::function<void(NavigationStep)>& go);

// One arrow over a record archive (customer card, rental slips): the record it leads to is
// handed to `show` with its position; an empty archive is reported; a file failure gives
// the archive access message.
template <typename Layout, typename Show>
void followArrow(NavigationStep step, QLabel* positionBox, const RecordArchive<Layout>& archive,
                 Dialogs& dialogs, QWidget* screen, Show show) {
    try {
        const std::string box = toCp1252(positionBox->text());
        const NavigationTarget target =
            navigationTarget(step, box, navigationNeedsCount(step, box) ? archive.count() : 0);
        if (target.kind == NavigationTarget::NoRecord) {
            if (target.clearBox)
                positionBox->clear();
            dialogs.information(screen, QString::fromUtf8(kNoRecordMessage));
        } else if (target.kind == NavigationTarget::Show) {
            show(archive.readAt(target.position), target.position);
        }
    } catch (const ArchiveError&) {
        dialogs.information(screen, kArchiveAccessMessage);
    }
}

} // namespace filmeria
