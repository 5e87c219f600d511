#pragma once

#include "model/workspace.h"

#include <QString>
#include <QTextStream>

namespace lumetra::cli {

// What every command works on: the home, one workspace, the output streams.
class CliContext
{
public:
    explicit CliContext(const QString &home);

    const QString &home() const { return m_home; }
    Workspace &workspace() { return m_workspace; }

    // Loads a project as the window would: the home's default project first
    // (it carries the display settings), then PROJECT when it is another file.
    // Throws Error when the file is missing or cannot be read.
    void openLikeTheWindow(const QString &project);
    // The working settings from the display, as the window refreshes them
    // when a send or an export selects program 1 first.
    void takeDisplaySettings();

    QTextStream &out() { return m_out; }
    QTextStream &err() { return m_err; }

private:
    QString m_home;
    Workspace m_workspace;
    QTextStream m_out;
    QTextStream m_err;
};

} // namespace lumetra::cli
