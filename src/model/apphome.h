#pragma once

#include <QString>

namespace lumetra {

// The application home holds Project/ (the fixed default project with its
// ExtFile/ folder). It is the folder beside the executable when a Project/
// folder is there (portable use), else the per-user data folder, which is
// seeded with the bundled default project on first start.
class AppHome
{
public:
    // overrideDir: the --home of the command-line programs; empty for the
    // usual rule. Seeds the home when it has no Project/ folder yet.
    static QString resolve(const QString &overrideDir = QString());

    // Copies the bundled Project/ into home/Project unless it is there.
    static void seed(const QString &home);

    static QString defaultProjectPath(const QString &home);
    static QString extFileFolder(const QString &home);

    // Caption from Project/ExtFile/title.txt, [标题] title; "Lumetra" when missing.
    static QString windowTitle(const QString &home);
};

} // namespace lumetra
