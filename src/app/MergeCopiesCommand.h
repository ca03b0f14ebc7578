#pragma once

#include <cstdio>

struct CommandLine;

// `--merge-copies` for scripts and for a computer without a display: every conflict copy a sync
// tool left in the data folder is taken in as the window would with every box answered yes (all
// measurements missing from a data file added, the memo's missing lines appended, every other
// file kept as it is), and the copy moved into backup/conflicts. What was done goes to `out`,
// every problem to `err`; the result is the exit status (0 done, 1 a window holds the folder or
// a copy could not be taken in, 3 done but lines of a copy that are not records left out).
int RunMergeCopiesCommand(const CommandLine &command, std::FILE *out, std::FILE *err);
