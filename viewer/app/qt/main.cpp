#include "app/qt/Startup.h"

int main(int argc, char** argv) {
    return orvd::RunViewer(argc, argv);
}
