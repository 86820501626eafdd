// fw::Application on QApplication.

#include <fontconfig/fontconfig.h>

#include <system_error>
#include <thread>

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "framework/application.h"
#include "framework/frame.h"
#include "framework/qt/frame_window.h"

namespace pemlar::fw {

namespace {

Application*& current() {
    static Application* application = nullptr;
    return application;
}

// Fontconfig reads its configuration and font caches once per process, a good part of
// the first dialog's font cost. A thread does it while QApplication connects to the
// window system; the first font waits for it rather than start a second load alongside.
class FontconfigWarmUp {
public:
    FontconfigWarmUp() {
        try {
            thread_ = std::thread([] { FcInit(); });
        } catch (const std::system_error&) {
            // No thread: the first font loads the configuration itself.
        }
    }
    ~FontconfigWarmUp() { wait(); }
    void wait() {
        if (thread_.joinable()) {
            thread_.join();
        }
    }

private:
    std::thread thread_;
};

}  // namespace

struct Application::Native {
    Native(int& argc, char** argv) : app(argc, argv) { fontconfig.wait(); }
    FontconfigWarmUp fontconfig;  // started before the connection to the window system
    QApplication app;
    QTranslator qtTexts;
};

Application::Application(int& argc, char** argv) : native_(std::make_unique<Native>(argc, argv)) {
    current() = this;
    // Ties the windows to the installed menu entry (Wayland app id, X11 startup notice).
    QGuiApplication::setDesktopFileName(QStringLiteral("de.nirvel.Pemlar"));
    // The platform's own buttons and file dialogs (Ja, Nein, Abbrechen) in German, as
    // everything else, whatever the locale says (LANG=C would give English ones).
    if (native_->qtTexts.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                              QStringLiteral("_"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&native_->qtTexts);
    }
}

Application::~Application() {
    if (current() == this) {
        current() = nullptr;
    }
}

Application* Application::instance() {
    return current();
}

int Application::exec(Frame& mainWindow) {
    auto* window = static_cast<qt::FrameWindow*>(mainWindow.nativeHandle());
    const QMetaObject::Connection ends = QObject::connect(
        window, &qt::FrameWindow::closed, &native_->app, [] { QCoreApplication::exit(0); });
    mainWindow.show();
    const int status = QApplication::exec();
    QObject::disconnect(ends);
    return status;
}

void Application::quit(int status) {
    QCoreApplication::exit(status);
}

void Application::processEvents() {
    QApplication::processEvents();
}

}  // namespace pemlar::fw
