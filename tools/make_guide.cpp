// make-guide: writes the program's manual, Guida.pdf, with pictures of its screens taken on a
// folder of archives.
//   make-guide FILE FOLDER
#include "app/application.h"
#include "core/text_rules.h"
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
    const QString folder = QString::fromLocal8Bit(filmeria::withTrailingSeparator(argv[2]).c_str());
    if (!filmeria::writeGuide(QString::fromLocal8Bit(argv[1]), folder)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
