#include "screenkit/font_on_show.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <utility>
#include <vector>

namespace filmeria {
namespace {

// One per hidden window: it holds the fonts its widgets are waiting for.
class FontsOnShow final : public QObject {
public:
    explicit FontsOnShow(QWidget* window)
        : QObject(window)
        , window_(window) {
        setObjectName(QStringLiteral("fontsOnShow"));
        window->installEventFilter(this);
    }

    void add(QWidget* widget, const QFont& font) { pending_.emplace_back(widget, font); }

    bool eventFilter(QObject*, QEvent* event) override {
        // Every window is polished on the program's first turn of events, shown or not: what
        // comes before its first drawing is its showing, or a paint when it is drawn off screen.
        if (event->type() == QEvent::Show || event->type() == QEvent::Paint) {
            window_->removeEventFilter(this);
            for (const auto& [widget, font] : pending_)
                if (widget)
                    widget->setFont(font);
            pending_.clear();
            deleteLater();
        }
        return false;
    }

private:
    QWidget* window_;
    std::vector<std::pair<QPointer<QWidget>, QFont>> pending_;
};

} // namespace

void setFontOnShow(QWidget* widget, const QFont& font) {
    QWidget* window = widget->window();
    if (window == widget || window->isVisible()) {
        widget->setFont(font);
        return;
    }
    // The helper has no meta-object of its own: it is found among the window's children by its
    // C++ type, never by a name another object could carry.
    FontsOnShow* fonts = nullptr;
    for (QObject* child : window->children()) {
        if ((fonts = dynamic_cast<FontsOnShow*>(child)))
            break;
    }
    if (!fonts)
        fonts = new FontsOnShow(window);
    fonts->add(widget, font);
}

} // namespace filmeria
