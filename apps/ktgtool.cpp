// ktgtool: teaching materials and lesson codes on the command line.
#include <iostream>
#include <string>
#include <vector>

#include "learning/KtgTool.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return zelpa::RunKtgTool(arguments, std::cin, std::cout, std::cerr);
}
