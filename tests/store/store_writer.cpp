// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the interrupted-writer test's steps on a folder until it is killed:
//   store_writer FOLDER FIRST-STEP
// It says "started" before the first step and each step's number once the step has returned;
// both go straight to the pipe, so they outlive the process.

#include "WriterSteps.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {
void say(const QByteArray &line)
{
    const QByteArray out = line + '\n';
    qsizetype done = 0;
    while (done < out.size()) {
        const ssize_t n = ::write(STDOUT_FILENO, out.constData() + done, size_t(out.size() - done));
        if (n <= 0)
            std::exit(3);
        done += n;
    }
}
} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: store_writer FOLDER FIRST-STEP\n");
        return 2;
    }
    const DataFolder folder(QString::fromLocal8Bit(argv[1]));
    const qint64 first = QByteArray(argv[2]).toLongLong();
    say("started");
    // Bounded, should the test that kills it have died first.
    for (qint64 step = first; step < first + 100000; ++step) {
        if (StoreResult r = WriterSteps::run(folder, step); !r) {
            std::fprintf(stderr, "step %lld: %s\n", static_cast<long long>(step), qPrintable(r.message()));
            return 1;
        }
        say(QByteArray::number(step));
    }
    return 0;
}
