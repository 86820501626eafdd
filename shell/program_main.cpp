#include "shell/program_main.h"

#include <iostream>

#include "shell/command_line.h"
#include "shell/ta_pemlare.h"

namespace pemlar {

int programMain(int argc, char** argv) {
    // Answered before the window system is asked for a display.
    if (const auto status = answerCommandLine(argc, argv, std::cout)) {
        std::cout.flush();
        return std::cout ? *status : 1;
    }
    TA_Pemlare app(argc, argv);
    return app.Run();
}

}  // namespace pemlar
