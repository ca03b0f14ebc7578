#pragma once

#include "screens/shell/ShellServices.h"
#include "store/DataFile.h"

// What reading a data file found that the user must hear of: that it could not be read at all
// (an empty list then is not an empty diary), or lines that are not records.
inline void noteReadProblems(ShellServices &shell, const MeasurementFile &file)
{
    shell.noteUnreadableFile(file.fileName, file.readError);
    shell.noteMalformedLines(file.fileName, file.malformedReport());
}
