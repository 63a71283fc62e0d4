// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliApp.h"

#include <QCoreApplication>
#include <iostream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::vector<std::string> args(argv + 1, argv + argc);
    return kav::cli::run(args, std::cout, std::cerr);
}
