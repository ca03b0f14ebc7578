// SPDX-License-Identifier: GPL-3.0-or-later
// pmlina_demo_copy FROM TO: the demo folder, copied with its dates moved up to today into TO,
// which is emptied of an earlier demo first. Exits with 3 when a program has TO open.
#include "DemoCopy.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fputs("usage: pmlina_demo_copy FROM TO\n", stderr);
        return 2;
    }
    const DemoCopyResult copied = CopyDemoFolder(args[1], args[2], QDate::currentDate());
    if (copied.outcome != DemoCopy::Done)
        std::fprintf(stderr, "pmlina_demo_copy: %s\n", copied.message.toUtf8().constData());
    // 3: a demo window has the folder open, which the program itself will say.
    return copied.outcome == DemoCopy::Done ? 0 : copied.outcome == DemoCopy::InUse ? 3 : 1;
}
