// make-guide: writes the program's manual, Guida.pdf, with pictures of its screens taken on a
// folder of archives.
//   make-guide FILE FOLDER
#include "app/application.h"
#include "tools/guide.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make-guide FILE FOLDER\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    filmeria::setUpApplication();
    QString folder = QString::fromLocal8Bit(argv[2]);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    if (!filmeria::writeGuide(QString::fromLocal8Bit(argv[1]), folder)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
