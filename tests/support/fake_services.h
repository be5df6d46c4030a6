#pragma once
// Test doubles of the platform services: they record what the screens asked and answer
// from a script.
#include "core/grid_export.h"
#include "platform/office.h"
#include "platform/office_files.h"
#include "platform/printing.h"
#include "platform/services.h"
#include "recording_canvas.h"

#include <QDialog>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace filmeria::testing {

struct ShownMessage {
    enum Kind { Information, Confirmation, Refusal, ErrorReport } kind;
    QString caption;
    QString text;
};

class FakeDialogs final : public Dialogs {
public:
    void information(QWidget*, const QString& text) override {
        shown.push_back({ShownMessage::Information, {}, text});
    }
    bool confirm(QWidget*, const QString& caption, const QString& question) override {
        shown.push_back({ShownMessage::Confirmation, caption, question});
        if (answers.empty())
            return true;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    void refusal(QWidget*, const QString& text) override {
        shown.push_back({ShownMessage::Refusal, QStringLiteral("Operazione annullata"), text});
    }
    void errorReport(QWidget*, const QString& text) override {
        shown.push_back({ShownMessage::ErrorReport, {}, text});
    }
    // The dialog is shown modelessly while `onModal` acts on it, then closed.
    int exec(QDialog& dialog) override {
        modals << dialog.objectName();
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        if (onModal)
            onModal(dialog);
        const int result = dialog.result();
        dialog.hide();
        return result;
    }

    QString openFile(QWidget*, const QString& title, const QString& filters) override {
        fileDialogs << title + QStringLiteral(" | ") + filters;
        return nextFile;
    }

    QStringList texts() const {
        QStringList out;
        for (const auto& m : shown)
            out << m.text;
        return out;
    }
    QString lastText() const { return shown.empty() ? QString() : shown.back().text; }

    std::vector<ShownMessage> shown;
    std::deque<bool> answers;
    QStringList modals;
    std::function<void(QDialog&)> onModal;
    QStringList fileDialogs;
    QString nextFile; // what the next file dialog answers
};

class FakeShell final : public Shell {
public:
    bool open(const QString& target, ShellVerb verb) override {
        opened << target;
        verbs.push_back(verb);
        return succeeds;
    }
    QStringList opened;
    std::vector<ShellVerb> verbs;
    bool succeeds = true;
};

class FakeClock final : public Clock {
public:
    QDate today() const override { return date; }
    QDateTime now() const override { return QDateTime(date, time); }
    QDate date{2009, 2, 28};
    QTime time{17, 42, 10};
};

// Keeps every print job on a recording canvas; can refuse jobs or answer as a machine with
// no printer installed.
class FakePrinting final : public Printing {
public:
    struct Job {
        QString name;
        RecordingCanvas canvas;
    };
    std::optional<QString> print(const QString& documentName, const PrintDrawing& draw) override {
        jobs.push_back({documentName, RecordingCanvas()});
        if (refusal)
            throw PrintError(*refusal);
        draw(jobs.back().canvas);
        return savedAs;
    }
    std::deque<Job> jobs;
    std::optional<std::string> refusal; // the printer's error text
    std::optional<QString> savedAs;     // the PDF written when no printer is installed
};

// Keeps what the exports asked for; can refuse to write or answer that no application opened
// the file.
class FakeOffice final : public Office {
public:
    ExportedFile spreadsheet(const QString& name, const Spreadsheet& sheet) override {
        // Kept as rows: a streamed sheet reads a grid that is gone once the export is done.
        Spreadsheet kept = sheet;
        kept.cells = cellsOf(sheet);
        kept.streamed = {};
        sheets.push_back({name, std::move(kept)});
        return outcome(name);
    }
    ExportedFile workbook(const QString& name, const Workbook& book) override {
        books.push_back({name, book});
        return outcome(name);
    }
    ExportedFile tableDocument(const QString& name, const TableDocument& table) override {
        tables.push_back({name, table});
        return outcome(name);
    }
    ExportedFile cardDocument(const QString& name, const CardDocument& card) override {
        cards.push_back({name, card});
        return outcome(name);
    }
    std::vector<std::pair<QString, Spreadsheet>> sheets;
    std::vector<std::pair<QString, Workbook>> books;
    std::vector<std::pair<QString, TableDocument>> tables;
    std::vector<std::pair<QString, CardDocument>> cards;
    std::optional<std::string> refusal;   // the writer's error
    std::optional<QString> folderRefusal; // an export folder that cannot be written
    bool opens = true;

private:
    ExportedFile outcome(const QString& name) {
        if (folderRefusal)
            throw ExportFolderError(*folderRefusal, "read-only");
        if (refusal)
            throw OfficeError(*refusal);
        return {QStringLiteral("/esportazioni/") + name, opens};
    }
};

// A complete set of services over a folder of the test's own.
struct FakeServices {
    explicit FakeServices(const QString& folder)
        : services{dialogs, shell, clock, printing, office, folder, [this] { ++quitRequests; }} {}
    FakeDialogs dialogs;
    FakeShell shell;
    FakeClock clock;
    FakePrinting printing;
    FakeOffice office;
    int quitRequests = 0;
    Services services;
};

} // namespace filmeria::testing
