// SPDX-License-Identifier: GPL-3.0-or-later
// pmlina_demo_copy FROM TO: the demo folder, copied with its dates moved up to today.
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
    const QString error = CopyDemoFolder(args[1], args[2], QDate::currentDate());
    if (!error.isEmpty()) {
        std::fprintf(stderr, "pmlina_demo_copy: %s\n", error.toUtf8().constData());
        return 1;
    }
    return 0;
}
