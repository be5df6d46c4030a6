#pragma once
// TfrmHelpForm: the one help window shared by every screen.
#include "core/help_topics.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace filmeria {

struct Services;

class TfrmHelpForm final : public QDialog {
public:
    TfrmHelpForm(Services& services);

    // Fills the window with a topic and shows it modally.
    void showTopic(HelpTopicId topic);
    void fill(const QString& title, const QString& text);
    // The whole text of memTopic as the screen set it (line breaks as built).
    const QString& topicText() const { return topicText_; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openPdf();

    Services& services_;
    QString topicText_;
    QLabel* imgLogo;
    QLabel* panTitle;
    QWidget* panContainer;
    QPlainTextEdit* memTopic;
    QLabel* imgPDF;
    QLabel* lblPDF;
    QPushButton* cmdOK;
};

} // namespace filmeria
