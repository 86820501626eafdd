#pragma once
// The running program: the back end's application state and its message loop. One per
// process; the program's windows find it through instance().

#include <memory>

namespace pemlar::fw {

class Frame;

class Application {
public:
    // `argc` and `argv` must outlive the application.
    Application(int& argc, char** argv);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    virtual ~Application();

    // Null when none exists.
    static Application* instance();

    // Shows `mainWindow` (created before) and runs the message loop until it has closed
    // or quit() was called; returns the exit status.
    int exec(Frame& mainWindow);
    void quit(int status);
    // Handles the window system's pending events and returns.
    static void processEvents();

    struct Native;

private:
    std::unique_ptr<Native> native_;
};

}  // namespace pemlar::fw
