#include "screenkit/picture_buttons.h"

#include "screenkit/action_guard.h"
#include "screenkit/screen_style.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include <algorithm>

namespace filmeria {

PictureButtons::PictureButtons(QWidget* screen, Dialogs& dialogs, QLabel* statusPanel,
                               const QColor& restingColour, const QColor& hoverColour)
    : QObject(screen)
    , screen_(screen)
    , dialogs_(dialogs)
    , statusPanel_(statusPanel)
    , resting_(restingColour)
    , hover_(hoverColour) {}

void PictureButtons::add(QWidget* image, QLabel* label, const QString& statusText,
                         std::function<void()> action) {
    buttons_.push_back({image, label, statusText, std::move(action)});
    for (QWidget* part : {static_cast<QWidget*>(image), static_cast<QWidget*>(label)}) {
        if (!part)
            continue;
        part->setCursor(Qt::PointingHandCursor);
        part->installEventFilter(this);
    }
    if (label) {
        label->setFont(style::verdana(8, false, true));
        style::setTextColour(label, resting_);
    }
}

void PictureButtons::addStatusText(QWidget* widget, const QString& statusText) {
    statusOnly_.emplace_back(widget, statusText);
    widget->installEventFilter(this);
}

void PictureButtons::addResetArea(QWidget* area) {
    resetAreas_.push_back(area);
    area->setMouseTracking(true);
    area->installEventFilter(this);
}

void PictureButtons::takeKeyboard(std::initializer_list<QWidget*> images) {
    for (QWidget* image : images) {
        keyboard_.push_back(image);
        image->setFocusPolicy(Qt::StrongFocus);
        image->setStyleSheet(QStringLiteral("QLabel { border: 2px solid transparent; }"
                                            "QLabel:focus { border: 2px dotted #14214b; }"));
    }
}

void PictureButtons::reset() {
    for (const Button& button : buttons_) {
        if (button.label)
            style::setTextColour(button.label, resting_);
    }
    if (statusPanel_)
        statusPanel_->clear();
}

const PictureButtons::Button* PictureButtons::buttonOf(const QObject* part) const {
    for (const Button& button : buttons_) {
        if (part == button.image || part == button.label)
            return &button;
    }
    return nullptr;
}

bool PictureButtons::isButtonPart(const QObject* widget) const {
    if (buttonOf(widget))
        return true;
    for (const auto& [w, text] : statusOnly_) {
        if (w == widget)
            return true;
    }
    return false;
}

void PictureButtons::hover(const QString& statusText, QLabel* label) {
    if (statusPanel_)
        statusPanel_->setText(statusText);
    // One label red at a time: moving straight from one button to the next leaves no other red.
    for (const Button& button : buttons_) {
        if (button.label && button.label != label)
            style::setTextColour(button.label, resting_);
    }
    if (label)
        style::setTextColour(label, hover_);
}

bool PictureButtons::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto found = std::find(keyboard_.begin(), keyboard_.end(), watched);
        const Button* button = buttonOf(watched);
        if (found == keyboard_.end() || !button)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            if (button->action) {
                const auto action = button->action;
                runGuarded(dialogs_, screen_, action);
            }
            return true;
        }
        const bool back = key == Qt::Key_Left || key == Qt::Key_Up;
        if (!back && key != Qt::Key_Right && key != Qt::Key_Down)
            return false;
        const auto at = static_cast<std::size_t>(found - keyboard_.begin());
        const std::size_t count = keyboard_.size();
        keyboard_[(at + (back ? count - 1 : 1)) % count]->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (const Button* button = buttonOf(watched)) {
        if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
            hover(button->statusText, button->label);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            auto* widget = static_cast<QWidget*>(watched);
            const auto* mouse = static_cast<QMouseEvent*>(event);
            // A button whose command is not there yet does nothing.
            if (button->action && widget->rect().contains(mouse->position().toPoint())) {
                const auto action = button->action;
                runGuarded(dialogs_, screen_, action);
            }
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
        for (const auto& [widget, text] : statusOnly_) {
            if (widget == watched) {
                hover(text, nullptr);
                return false;
            }
        }
    }
    if (event->type() == QEvent::MouseMove) {
        auto* area = static_cast<QWidget*>(watched);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QWidget* under = area->childAt(mouse->position().toPoint());
        if (!under || !isButtonPart(under))
            reset();
    }
    return false;
}

} // namespace filmeria
