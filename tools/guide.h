#pragma once
// The program's manual, Guida.pdf: an introduction and one chapter per work environment, each
// with pictures of its screens taken from the program itself on a folder of archives, and the
// counter's everyday tasks step by step.
#include <QString>
#include <QStringList>

#include <vector>

namespace filmeria {

struct GuidePicture {
    QString screen;  // which screen the picture shows (a key of the guide's screen table)
    QString caption; // "Figura N - " is put before it
};

struct GuideChapter {
    QString title;
    QStringList paragraphs;
    std::vector<GuidePicture> pictures;
    // Tasks, each a title and its numbered steps.
    std::vector<std::pair<QString, QStringList>> tasks;
    // A table of keys and what they do, after the text.
    std::vector<std::pair<QString, QString>> keys = {};
};

// The chapters in their order.
const std::vector<GuideChapter>& guideChapters();

// Writes the guide as a PDF, the pictures taken from the program's screens working on the
// archives in `folder` (with its trailing separator). Needs a running QApplication; the
// screens are never shown on a display of their own (use the offscreen platform). Returns
// false when the file cannot be written.
bool writeGuide(const QString& pdfPath, const QString& folder);

} // namespace filmeria
