#pragma once
// What the program's entry point runs, on every platform: main() on Linux, wWinMain on
// Windows (with the arguments as UTF-8).

namespace pemlar {

int programMain(int argc, char** argv);

}  // namespace pemlar
