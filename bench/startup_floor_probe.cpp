// The start-up floor: a minimal Qt program creating 25 windows of 40 controls each (labels,
// edit fields, buttons) and showing one, quitting as soon as it is exposed. Timed from outside
// next to startup_probe.
#include "exposed_report.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <memory>
#include <vector>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    std::vector<std::unique_ptr<QWidget>> windows;
    for (int w = 0; w < 25; ++w) {
        auto window = std::make_unique<QWidget>();
        for (int c = 0; c < 40; ++c) {
            QWidget* control = nullptr;
            switch (c % 3) {
            case 0:
                control = new QLabel(QStringLiteral("Etichetta %1").arg(c), window.get());
                break;
            case 1:
                control = new QLineEdit(window.get());
                break;
            default:
                control = new QPushButton(QStringLiteral("Pulsante"), window.get());
                break;
            }
            control->setGeometry(10 + (c % 4) * 150, 10 + (c / 4) * 30, 140, 24);
        }
        window->resize(620, 320);
        windows.push_back(std::move(window));
    }
    QWidget& shown = *windows.front();
    shown.show();
    filmeria::bench::reportWhenExposed(shown);
    return app.exec();
}
