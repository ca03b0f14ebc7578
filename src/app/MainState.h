#pragma once

#include "screens/entry/EntryDay.h"
#include "store/Profile.h"

#include <QString>

// Everything the main window remembers between events. Nothing here is saved on exit: every
// change that matters is written to its file when it is made.
struct MainState {
    // shell
    bool isLoading = false;
    QString helpFileName;
    QString helpText;
    int helpTourOn = 1;
    int selectedPartner = 1;

    // files and profiles
    QString currentDataFile;
    QString currentProfileFile;
    PartnerProfile profile;
    float targetWeightOfPartner1 = 0;
    float targetWeightOfPartner2 = 0;

    // settings
    QString weightStep = QStringLiteral("0.1");
    QString fatStep = QStringLiteral("0.1");
    int markerStyle = 1;
    QString memoText;

    // entry screen
    QString selectedSituation;
    // What the last refresh of the entry screen found: the start of the diet, the latest and the
    // last measurement, the record count and the day's extremes.
    EntryDay entry;

    // trend graph
    float recordMinWeight = 999.9f;

    // BMI gauges
    float currentBmi = 0;
    float meterBmi = 0;
    QString bmiJudgement;
    bool meterSetByProgram = false;

    // new couple registration
    int newCoupleStage = 1;
};
