// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ProgramRun.h"

#include <QProcess>
#include <gtest/gtest.h>

ProgramRun RunProgram(const QString& program, const QStringList& args, const ProgramSetup& setup)
{
    QProcess process;
    process.setProcessEnvironment(setup.environment);
    if (!setup.workingDirectory.isEmpty())
        process.setWorkingDirectory(setup.workingDirectory);
    process.start(program, args);
    process.write(setup.input);
    process.closeWriteChannel();
    ProgramRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << program.toStdString() << ' ' << args.join(u' ').toStdString()
                      << " did not finish";
        return run;
    }
    run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

ProgramRun RunProgram(const QString& program, const QStringList& args, const QByteArray& input)
{
    ProgramSetup setup;
    setup.input = input;
    return RunProgram(program, args, setup);
}

QProcessEnvironment EnvironmentWith(const char* name, const QString& value)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(name), value);
    return env;
}
