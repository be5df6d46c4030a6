// The toolkit's dialogs speak Italian: the confirmation's answers and the file dialog.
#include "platform/qt_services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>

namespace filmeria {
namespace {

// Runs `look` on the modal dialog as soon as it shows.
template <typename Dialog> void whenShown(std::function<void(Dialog&)> look) {
    QTimer::singleShot(0, [look] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        look(*dialog);
    });
}

QStringList buttonTexts(const QList<QAbstractButton*>& buttons) {
    QStringList texts;
    for (const QAbstractButton* b : buttons)
        texts << b->text().remove(QLatin1Char('&'));
    texts.sort();
    return texts;
}

TEST(ItalianDialogs, AConfirmationAnswersSiOrNo) {
    QtDialogs dialogs;
    QStringList answers;
    whenShown<QMessageBox>([&](QMessageBox& box) {
        answers = buttonTexts(box.buttons());
        box.button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(
        dialogs.confirm(nullptr, QStringLiteral("Conferma"), QStringLiteral("Eliminare la scheda?")));
    EXPECT_EQ(answers, (QStringList{QStringLiteral("No"), QString::fromUtf8("Sì")}));
}

TEST(ItalianDialogs, TheFileDialogSpeaksItalian) {
    QtDialogs dialogs;
    QString lookIn;
    QString fileName;
    QStringList buttons;
    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        lookIn = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"))->text();
        fileName =
            dialog.findChild<QLabel*>(QStringLiteral("fileNameLabel"))->text().remove(QLatin1Char('&'));
        buttons = buttonTexts(dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->buttons());
        dialog.reject();
    });
    EXPECT_EQ(
        dialogs.openFile(nullptr, QStringLiteral("Locandina"), QStringLiteral("Immagini (*.jpg *.bmp)")),
        QString());
    EXPECT_EQ(lookIn, QStringLiteral("Cerca in:"));
    EXPECT_EQ(fileName, QStringLiteral("Nome del file:"));
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("Annulla"), QStringLiteral("Apri")}));
}

TEST(ItalianDialogs, TheFileListNamesFoldersInItalianAndShowsEveryHeadingWhole) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Locandine")));
    QtDialogs dialogs;
    QString kind;
    QStringList cut;
    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        dialog.setDirectory(dir.path());
        auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
        ASSERT_NE(list, nullptr);
        QAbstractItemModel* model = list->model();
        for (int wait = 0; wait < 100 && model->rowCount(list->rootIndex()) == 0; ++wait)
            QTest::qWait(20); // the folder is read in the background
        ASSERT_EQ(model->rowCount(list->rootIndex()), 1);
        kind = model->index(0, 2, list->rootIndex()).data().toString();
        QApplication::processEvents();
        const QHeaderView* header = list->header();
        for (int column = 0; column < header->count(); ++column) {
            const QString heading = model->headerData(column, Qt::Horizontal).toString();
            if (header->sectionSize(column) < header->fontMetrics().horizontalAdvance(heading) + 8)
                cut << heading;
        }
        dialog.reject();
    });
    dialogs.openFile(nullptr, QStringLiteral("Locandina"), QStringLiteral("Immagini (*.jpg)"));
    EXPECT_EQ(kind, QStringLiteral("Cartella"));
    EXPECT_TRUE(cut.isEmpty()) << cut.join(QLatin1Char(',')).toStdString();
}

} // namespace
} // namespace filmeria
