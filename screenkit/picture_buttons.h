#pragma once
// Picture buttons of one screen: an image and its underlined label bound to one action,
// run on the release of any mouse button over either. Hovering a button writes its
// status text into the screen's status panel and turns its label red; moving over a
// background area sets every label back to its resting colour and clears the panel.
#include "screenkit/screen_style.h"

#include <QColor>
#include <QObject>
#include <QString>

#include <functional>
#include <initializer_list>
#include <vector>

class QLabel;
class QWidget;

namespace filmeria {

class Dialogs;

class PictureButtons final : public QObject {
public:
    // `statusPanel` may be null (screens without one); `restingColour` is the labels' colour,
    // `hoverColour` theirs while hovered.
    PictureButtons(QWidget* screen, Dialogs& dialogs, QLabel* statusPanel, const QColor& restingColour,
                   const QColor& hoverColour = style::kRed);

    // `label` may be null for image-only buttons; `statusText` may be empty.
    void add(QWidget* image, QLabel* label, const QString& statusText, std::function<void()> action);
    // A widget (such as a push button) that only shows a status text when hovered.
    void addStatusText(QWidget* widget, const QString& statusText);
    void addResetArea(QWidget* area);
    // Lets the keyboard work these buttons (by their images, already added): Tab and the arrow
    // keys move among them, the one with the focus shows a frame, Enter or Space runs it.
    void takeKeyboard(std::initializer_list<QWidget*> images);
    // Clears the panel and gives every label its resting colour.
    void reset();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Button {
        QWidget* image;
        QLabel* label;
        QString statusText;
        std::function<void()> action;
    };
    const Button* buttonOf(const QObject* part) const;
    bool isButtonPart(const QObject* widget) const;
    void hover(const QString& statusText, QLabel* label);

    QWidget* screen_;
    Dialogs& dialogs_;
    QLabel* statusPanel_;
    QColor resting_;
    QColor hover_;
    std::vector<Button> buttons_;
    std::vector<std::pair<QWidget*, QString>> statusOnly_;
    std::vector<QWidget*> resetAreas_;
    std::vector<QWidget*> keyboard_; // in the order the arrow keys follow
};

} // namespace filmeria
