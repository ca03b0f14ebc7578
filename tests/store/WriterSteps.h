#pragma once

// The store operations the interrupted-writer test runs, as a function of a step number, so that
// the writer being killed and the test that checks what it left run exactly the same steps. Each
// step changes one file of the data folder; step 1 starts from an empty folder.

#include "store/DataFolder.h"
#include "store/StoreResult.h"

#include <QStringList>

namespace WriterSteps {

// The files the steps write, in the spelling they are created with.
QStringList files();

// Carries out step `step` (1, 2, ...) on a folder that holds what steps 1 to step - 1 left.
StoreResult run(const DataFolder &folder, qint64 step);

} // namespace WriterSteps
