#pragma once
// The result list of the search screens and pickers: the lines of one search, kept in one
// compact buffer and converted for display only as they are drawn, so a million lines fill
// the list in moments. It scrolls sideways over a fixed width so the end of the longest line
// can be seen.
#include "core/line_list.h"

#include <QListView>

class QLabel;

namespace filmeria {

class ResultListModel;

class ResultList : public QListView {
public:
    static constexpr int kScrollWidth = 1500;

    explicit ResultList(QWidget* parent);

    // Replaces the lines (Windows-1252 bytes, already in order); a new result starts at the
    // top left, whatever the previous one was scrolled to.
    void showLines(LineList lines);
    void clear() { showLines({}); }
    const LineList& lines() const;

    int count() const { return static_cast<int>(lines().size()); }
    int currentRow() const;
    void setCurrentRow(int row);
    QString lineText(int row) const;

    // Adds a panel below the list's window (which grows to take it) that shows the whole
    // selected line, so a card number or a price scrolled off to the right can still be read.
    QLabel* addSelectedLinePanel(QWidget* window);

protected:
    void updateGeometries() override;
    // A double click below the lines acts as one on a line does, on the selected line (the
    // screens say what it does when no line is selected).
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    ResultListModel* model_;
};

// A result line as the selected-line panel shows it: the columns' padding shortened to two
// blanks, the whole line trimmed.
QString compactedLine(const QString& line);

} // namespace filmeria
