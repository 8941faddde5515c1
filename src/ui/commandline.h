// The program's few command-line options.
#pragma once

#include <QString>
#include <QStringList>

struct CommandLine {
    enum Action { Play, ShowHelp, ShowVersion, Refuse };
    Action action = Play;
    // What to print before exiting: to standard output for help and version, else to errors.
    QString text;
};

// Reads the arguments after the program's name. "--help"/"-h" and "--version"/"-v" print and
// exit wherever they stand; any other argument is refused when `strict` is set (after the
// toolkit has taken the arguments it knows).
CommandLine readCommandLine(const QStringList &arguments, const QString &version, bool strict);

// The exit status that goes with an action.
int exitStatus(CommandLine::Action action);
