#pragma once
// TfrmZoom: the poster over the whole screen at its own size; a click closes it.
#include <QDialog>

class QLabel;

namespace filmeria {

// Where a picture of this size stands centred on a screen of this size.
QPoint centredPicturePosition(QSize screen, QSize picture);

class TfrmZoom final : public QDialog {
public:
    TfrmZoom();

    void setPicture(const QPixmap& picture);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placePicture();

    QLabel* imgZoom;
};

} // namespace filmeria
