#pragma once
// TfrmExpContatti: the film archive export, every film or those with one field filled in, to a
// spreadsheet. The start-up screen, reloaded with every film at every showing; it keeps its
// own connection to the film store.
#include "films/film_export.h"
#include "screenkit/export_screen.h"

namespace filmeria {

class TfrmHelpForm;

class TfrmExpContatti final : public ExportScreen {
public:
    TfrmExpContatti(Services& services, TfrmHelpForm& help);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void load(FilmExportView view);

    FilmStoreSlots slots_;
};

} // namespace filmeria
