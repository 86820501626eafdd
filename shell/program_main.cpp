#include "shell/program_main.h"

#include <cstdio>

#include "shell/command_line.h"
#include "shell/ta_pemlare.h"

namespace pemlar {

int programMain(int argc, char** argv) {
    // Answered before the window system is asked for a display. Written with the C
    // library: C++ streams would bring their locale machinery into pemlar.exe.
    if (const auto text = commandLineAnswer(argc, argv)) {
        const bool written = std::fwrite(text->data(), 1, text->size(), stdout) == text->size();
        return std::fflush(stdout) == 0 && written ? 0 : 1;
    }
    TA_Pemlare app(argc, argv);
    return app.Run();
}

}  // namespace pemlar
