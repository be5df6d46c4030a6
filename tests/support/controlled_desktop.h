#pragma once
// A desktop of the test's own for the real `xdg-open`: no desktop environment, no browser, and
// either no application at all or one recording handler for PDF files, spreadsheets,
// word-processor documents, web pages and e-mail addresses. The environment is restored when
// the desktop goes.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <chrono>
#include <map>

namespace filmeria::testing {

class ControlledDesktop {
public:
    enum class Handler { None, Records, KeepsRunning };

    // The desktop entry's command is read up to the first blank: the folder's path has none.
    explicit ControlledDesktop(Handler handler)
        : dir_(QDir::tempPath() + QStringLiteral("/filmeria-desktop-XXXXXX")) {
        const QString root = dir_.path();
        QDir().mkpath(root + QStringLiteral("/bin"));
        QDir().mkpath(root + QStringLiteral("/none"));
        QDir().mkpath(root + QStringLiteral("/data/applications"));
        QDir().mkpath(root + QStringLiteral("/config"));
        // A machine's own viewers, if any, stay out of the test.
        write(QStringLiteral("bin/run-mailcap"), "#!/bin/sh\nexit 1\n", true);
        write(QStringLiteral("bin/mimeopen"), "#!/bin/sh\nexit 1\n", true);
        write(QStringLiteral("bin/record"),
              "#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"" + QFile::encodeName(received()) + "\"\n" +
                  (handler == Handler::KeepsRunning ? "sleep 5\n" : ""),
              true);
        if (handler != Handler::None) {
            write(QStringLiteral("data/applications/record.desktop"),
                  "[Desktop Entry]\nType=Application\nName=Record\nExec=" +
                      QFile::encodeName(root + QStringLiteral("/bin/record")) + " %u\n");
            QByteArray defaults = "[Default Applications]\n";
            for (const char* type :
                 {"application/pdf", "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet",
                  "application/vnd.openxmlformats-officedocument.wordprocessingml.document",
                  "x-scheme-handler/mailto", "x-scheme-handler/http", "x-scheme-handler/https"})
                defaults += QByteArray(type) + "=record.desktop\n";
            write(QStringLiteral("config/mimeapps.list"), defaults);
        }
        set("PATH", QFile::encodeName(root + QStringLiteral("/bin:")) + qgetenv("PATH"));
        set("DISPLAY", ":0"); // xdg-open asks the desktop's associations only with a display
        set("HOME", QFile::encodeName(root));
        set("XDG_DATA_HOME", QFile::encodeName(root + QStringLiteral("/data")));
        set("XDG_DATA_DIRS", QFile::encodeName(root + QStringLiteral("/none")));
        set("XDG_CONFIG_HOME", QFile::encodeName(root + QStringLiteral("/config")));
        set("XDG_CONFIG_DIRS", QFile::encodeName(root + QStringLiteral("/none")));
        set("BROWSER", "false");
        for (const char* name : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "XDG_SESSION_DESKTOP",
                                 "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID", "MATE_DESKTOP_SESSION_ID"})
            set(name, std::nullopt);
    }
    ~ControlledDesktop() {
        for (const auto& [name, value] : saved_) {
            if (value)
                qputenv(name.c_str(), *value);
            else
                qunsetenv(name.c_str());
        }
    }
    ControlledDesktop(const ControlledDesktop&) = delete;
    ControlledDesktop& operator=(const ControlledDesktop&) = delete;

    // What the handler was given, one target a line; waits a little for a handler still writing.
    QStringList received(int expected) const {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        QStringList lines;
        do {
            QFile file(received());
            if (file.open(QIODevice::ReadOnly))
                lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            if (lines.size() >= expected)
                break;
            QThread::msleep(50);
        } while (std::chrono::steady_clock::now() < deadline);
        return lines;
    }

private:
    QString received() const { return dir_.path() + QStringLiteral("/received"); }

    void write(const QString& name, const QByteArray& bytes, bool executable = false) {
        QFile file(dir_.path() + QLatin1Char('/') + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        if (executable)
            file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    }

    void set(const char* name, const std::optional<QByteArray>& value) {
        if (!saved_.contains(name))
            saved_[name] = qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }

    QTemporaryDir dir_;
    std::map<std::string, std::optional<QByteArray>> saved_;
};

} // namespace filmeria::testing
