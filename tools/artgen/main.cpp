// SPDX-License-Identifier: GPL-3.0-or-later
// Draws, synthesises and composes everything the game loads from its folder.
//   kibbo-artgen <program folder>
//   kibbo-artgen --contact-sheet <program folder> <sheet.png>
#include "Generate.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    // Text is drawn into pictures, which needs fonts but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc == 4 && std::strcmp(argv[1], "--contact-sheet") == 0)
        return artgen::WriteContactSheet(argv[2], argv[3]) ? 0 : 1;
    if (argc != 2) {
        std::fprintf(stderr, "usage: kibbo-artgen <program folder>\n"
                             "       kibbo-artgen --contact-sheet <program folder> <sheet.png>\n");
        return 2;
    }
    return artgen::GenerateAll(argv[1]) ? 0 : 1;
}
