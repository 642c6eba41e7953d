#include <iostream>

#include "board_tool.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return vortan::boardToolMain(args, std::cout, std::cerr);
}
