#include "cli/cli.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char *argv[])
{
    return pigmentrix::RunCli(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout, std::cerr);
}
