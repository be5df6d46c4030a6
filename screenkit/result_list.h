#pragma once
// The result list of the search screens and pickers: one line per record, filled in one
// batch, scrolling sideways over a fixed width so the end of the longest line can be seen.
#include <QListWidget>

class QLabel;

#include <string>
#include <vector>

namespace filmeria {

class ResultList : public QListWidget {
public:
    static constexpr int kScrollWidth = 1500;

    explicit ResultList(QWidget* parent);

    // Adds a panel below the list's window (which grows to take it) that shows the whole
    // selected line, so a card number or a price scrolled off to the right can still be read.
    QLabel* addSelectedLinePanel(QWidget* window);

    // Replaces the lines (Windows-1252 bytes, already in order); a new result starts at the
    // top left, whatever the previous one was scrolled to.
    void showLines(const std::vector<std::string>& lines);

protected:
    void updateGeometries() override;
};

// A result line as the selected-line panel shows it: the columns' padding shortened to two
// blanks, the whole line trimmed.
QString compactedLine(const QString& line);

} // namespace filmeria
