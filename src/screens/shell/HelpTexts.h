#pragma once

#include <QString>

// The help tour's explanations, one per screen and per comparison-graph mode. Each sentence
// ends with CR LF; an empty line is one more CR LF.
enum class HelpTopic {
    Startup,           // comparison screen, shown once at start-up
    Comparison,        // cmdAvgtai
    Entry,             // cmdMain
    History,           // cmdTaijyu
    Trend,             // cmdRentai
    Analyses,          // cmdBunseki
    Calendar,          // cmdCale
    Diary,             // cmdMemo
    Maintenance,       // cmdSettei
    SameAxisGraph,     // optGra1
    SeparateAxesGraph, // optGra2
};

QString helpTourText(HelpTopic topic);
