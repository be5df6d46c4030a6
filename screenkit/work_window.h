#pragma once
// The full-screen work windows (main window, film card, customer card, rental slips):
// maximized, at least 800 x 582, a tile repeated over a white background, and one
// container group box kept centred whenever the window's size changes.
#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <QWidget>

class QGroupBox;
class QPushButton;

namespace filmeria {

// Where the container goes for a window of the given inner size: a few pixels left of and above
// the centre.
QPoint centredContainerOrigin(QSize window, QSize container);

class WorkWindow : public QWidget {
public:
    WorkWindow(const QString& caption, const QString& tileResource, QSize containerSize);

    QGroupBox* container() const { return grpContainer; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    QGroupBox* grpContainer;
    QPushButton* btnSfondo; // invisible; carries the background tile as its glyph
};

} // namespace filmeria
