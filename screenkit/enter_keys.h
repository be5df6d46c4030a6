#pragma once
// The Enter key in a screen's data fields: by default it moves the focus along the
// screen's chain of fields; a field may have its own Enter action instead. Multi-line
// fields take part too and never receive the line break.
#include <functional>
#include <vector>

class QWidget;

namespace filmeria {

class Dialogs;

// Enter in fields[i] moves the focus to fields[i + 1]; the last field of the list moves
// nowhere unless the screen gives it an action of its own. Enter in the open list of a box
// of the chain chooses the line and moves on at once.
void chainOnEnter(const std::vector<QWidget*>& fields);

// Enter in `field` runs `action` (inside the screen's error guard) and is swallowed.
void onEnter(QWidget* field, Dialogs& dialogs, std::function<void()> action);

// Gives `next` the focus as the Tab key would, so a button shows its focus mark.
void focusByKeyboard(QWidget* next);

// Enter (either key) on a focused push button presses it, as Space does, in every window of
// the application: a chain of fields that ends on a button ends with one more Enter. Enter held
// down acts once, in fields as on buttons.
void pressButtonsOnEnter();

} // namespace filmeria
