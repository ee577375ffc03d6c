// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a program to its end, for the tests that use the real command-line tool.
#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct ProgramRun {
    int code = -1; // -1 when it crashed or did not finish
    QByteArray out;
    QString err;
};

struct ProgramSetup {
    QByteArray input; // the standard input
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QString workingDirectory; // empty: the test's own
};

// Runs program with args and waits up to a minute; a run that does not finish is killed and
// fails the test.
ProgramRun RunProgram(
    const QString& program, const QStringList& args, const ProgramSetup& setup = {});
// The same with input on the standard input.
ProgramRun RunProgram(const QString& program, const QStringList& args, const QByteArray& input);

// The test's environment with one more variable.
QProcessEnvironment EnvironmentWith(const char* name, const QString& value);
