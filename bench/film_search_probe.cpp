// One film search as the operator runs it, in a process of its own, for measuring its peak
// memory from outside:  /usr/bin/time -v film_search_probe FOLDER KEY
#include "../tests/support/fake_services.h"
#include "app/application.h"
#include "films/RicercaFilm.h"

#include "screenkit/result_list.h"
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: film_search_probe FOLDER KEY\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    filmeria::setUpApplication();
    QString folder = QString::fromLocal8Bit(argv[1]);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    filmeria::testing::FakeServices fakes(folder);
    filmeria::TfrmRicercaFilm search(fakes.services);
    search.findChild<QLineEdit*>("txtCriterio")->setText(QString::fromLocal8Bit(argv[2]));
    search.findChild<QPushButton*>("btnPopola")->click();
    std::printf("%d films listed\n", search.findChild<filmeria::ResultList*>("lstRecords")->count());
    return 0;
}
