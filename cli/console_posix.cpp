#include <unistd.h>

#include <csignal>
#include <iostream>

#include "cli/console.h"

namespace pemlar::console {

namespace {

volatile std::sig_atomic_t stopFlag = 0;

extern "C" void onStopSignal(int) {
    stopFlag = 1;
}

}  // namespace

void prepare(bool catchStop) {
    // A closed stdout (piped into `head`) becomes a failed write instead of a death in the
    // middle of an instrument; a series then ends after the instrument at hand.
    std::signal(SIGPIPE, SIG_IGN);
    if (!catchStop) {
        return;
    }
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool stopRequested() {
    return stopFlag != 0;
}

bool interactive() {
    return ::isatty(STDIN_FILENO) == 1;
}

std::ostream& out() {
    return std::cout;
}

std::ostream& err() {
    return std::cerr;
}

std::vector<std::string> arguments(int argc, char** argv) {
    return {argv + (argc > 0 ? 1 : 0), argv + argc};
}

}  // namespace pemlar::console
