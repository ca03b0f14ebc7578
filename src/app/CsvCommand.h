#pragma once

#include <cstdio>

struct CommandLine;

// `--export-csv` and `--import-csv` for scripts: no window and no display needed. The outcome
// goes to `out`, every problem to `err`; the result is the exit status (0 done, 1 nothing
// written, 3 lines left out; see ExitStatus).
int RunCsvCommand(const CommandLine &command, std::FILE *out, std::FILE *err);
