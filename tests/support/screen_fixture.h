#pragma once
// Screen tests: the program's screens over a temporary program folder, with fake services.
#include "app/screen_set.h"
#include "fake_services.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// Readable QString values in failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace filmeria::testing {

inline QString folderOf(const QTemporaryDir& dir) {
    return dir.path() + QLatin1Char('/');
}

class ScreenTest : public ::testing::Test {
protected:
    ScreenTest()
        : fakes(folderOf(dir)) {}

    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    void TearDown() override {
        while (!made_.empty())
            made_.pop_back(); // the last made goes first: it may refer to those before it
        QApplication::processEvents();
    }

    // Builds a screen that lives until the end of the test.
    template <typename Screen, typename... Args> Screen& make(Args&&... args) {
        auto screen = std::make_unique<Screen>(std::forward<Args>(args)...);
        Screen& made = *screen;
        made_.push_back(std::move(screen));
        return made;
    }

    QString path(const QString& name) const { return folderOf(dir) + name; }

    template <typename T> static T* child(const QWidget& window, const char* name) {
        T* found = window.findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << "no control " << name << " on " << window.objectName().toStdString();
        return found;
    }

    QTemporaryDir dir;
    FakeServices fakes;

private:
    std::vector<std::unique_ptr<QWidget>> made_;
};

// Shows a window and makes it the active one, so focus changes reach its fields.
inline void showActive(QWidget* window) {
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

inline void releaseOn(QWidget* widget, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseRelease(widget, button, Qt::NoModifier, widget->rect().center());
}

inline void hoverOver(QWidget* widget) {
    const QPointF local = widget->rect().center();
    QEnterEvent enter(local, widget->mapTo(widget->window(), local), widget->mapToGlobal(local));
    QCoreApplication::sendEvent(widget, &enter);
}

inline void moveOver(QWidget* area, QPoint local) {
    QMouseEvent move(QEvent::MouseMove, local, area->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(area, &move);
}

// Types text as key presses carrying the characters, so any letter can be typed.
inline void typeText(QWidget* field, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(field, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(field, &release);
    }
}

inline void pressEnter(QWidget* field) {
    QTest::keyClick(field, Qt::Key_Return);
}

} // namespace filmeria::testing
