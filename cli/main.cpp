#include <iostream>
#include <string>
#include <vector>

#include "cli/host.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return drovi::host::Main(args, std::cout, std::cerr);
}
