#include "app/Startup.h"

int main(int argc, char** argv) {
    return orvd::RunViewer(argc, argv);
}
