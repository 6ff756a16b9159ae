#include <cstring>
#include <iostream>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::cout << "moxcps-cli - scripting tool for the MOX-5HK radios.\n"
                         "This build only starts and exits; its commands are still to come.\n";
            return 0;
        }
    }
    return 0;
}
