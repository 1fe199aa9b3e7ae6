// demoworld_gen FOLDER [--seed N] [--scale F]: writes the demo world's maps and locations files
// into FOLDER.
#include "DemoWorld.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER [--seed N] [--scale F]\n", argv[0]);
        return 2;
    }
    orvd::demo::DemoOptions options;
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string flag = argv[i];
        char* end = nullptr;
        if (flag == "--seed") {
            options.Seed = std::strtoull(argv[i + 1], &end, 10);
        } else if (flag == "--scale") {
            options.Scale = std::strtof(argv[i + 1], &end);
            if (!(options.Scale > 0.01f && options.Scale <= 2.f))
                end = argv[i + 1];
        }
        if (!end || *end != '\0' || end == argv[i + 1]) {
            std::fprintf(stderr, "%s: bad option %s %s\n", argv[0], argv[i], argv[i + 1]);
            return 2;
        }
    }
    try {
        orvd::demo::MakeDemoWorld(argv[1], options);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
        return 1;
    }
    return 0;
}
