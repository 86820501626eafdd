#include "shell/ta_pemlare.h"

int main(int argc, char** argv) {
    TA_Pemlare app(argc, argv);
    return app.Run();
}
