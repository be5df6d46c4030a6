#pragma once
// A dialog created at start-up that makes its controls when it is first shown, so the program
// starts quickly; a dialog created for one use makes them at once.
#include "screenkit/controls_made.h"

#include <QDialog>

namespace filmeria {

class FirstShowingDialog : public QDialog {
public:
    void setVisible(bool visible) override;

protected:
    using QDialog::QDialog;

    // Makes the dialog's controls; called once, when first shown or by makeControlsNow.
    virtual void makeControls() = 0;
    // For a constructor asked to make the controls at once (ControlsMade::AtConstruction).
    void makeControlsNow();
    // For a dialog that made its controls by other means (with values of its own).
    void controlsWereMade() { made_ = true; }
    bool controlsMade() const { return made_; }

private:
    bool made_ = false;
};

} // namespace filmeria
