// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's few command-line options.
#include "ui/commandline.h"

namespace {
QString helpText() {
    return QStringLiteral(
        "Usage: kestrova [--help | --version]\n"
        "\n"
        "Kestrova is a memory game for children and families: find the twelve pairs\n"
        "among 24 cards as fast as you can.\n"
        "\n"
        "  -h, --help       show this help and exit\n"
        "  -v, --version    show the version and exit\n"
        "\n"
        "Run from its own folder (a build or an unpacked archive), the game keeps its\n"
        "settings (Kestrova.ini) and hall of fame (record.txt) in that folder. Installed,\n"
        "it keeps them in the user's data folder, usually ~/.local/share/Kestrova.\n");
}
} // namespace

CommandLine readCommandLine(const QStringList &arguments, const QString &version) {
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            return {CommandLine::ShowHelp, helpText()};
    }
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--version") || argument == QLatin1String("-v"))
            return {CommandLine::ShowVersion, QStringLiteral("Kestrova %1\n").arg(version)};
    }
    // Anything else (a file name from a launcher, say) is no concern of the game's.
    return {};
}
