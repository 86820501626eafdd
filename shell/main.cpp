#include "shell/program_main.h"

int main(int argc, char** argv) {
    return pemlar::programMain(argc, argv);
}
