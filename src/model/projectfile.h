#pragma once

#include "model/workspace.h"

#include <QString>

namespace lumetra {

// Reads a project file into the current display. Display settings are read
// only from a file named Project.zvp (any case); the program counts always.
// The load works on a copy: on an error (a value that is no decimal integer,
// an unreadable file) it throws Error and the workspace is unchanged.
void LoadProject(Workspace &workspace, const QString &path);
void LoadProject(WorkspaceState &state, const QString &path);

// Writes the current display and its programs into the file, keeping every
// section and key it does not own, and the text files of all text zones.
// Every file is written whole or not at all; on an error it throws Error
// naming the file and the workspace is as before.
void SaveProject(Workspace &workspace, const QString &path);

// The file commands as operations on the model; their dialogs belong to the
// window.
void newProject(Workspace &workspace);
void openProject(Workspace &workspace, const QString &path);
void saveProject(Workspace &workspace);
void saveProjectAs(Workspace &workspace, const QString &path);

// True for a file named Project.zvp, compared without regard to case.
bool isDefaultProjectName(const QString &path);

} // namespace lumetra
