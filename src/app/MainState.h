#pragma once

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

    // entry screen, kept by the last refresh
    QString selectedSituation;
    QString startDate;
    float startWeight = 0;
    float latestWeight = 0;
    float latestBodyFat = 0;
    QString latestDate;
    QString lastRecordDate;
    float lastRecordWeight = 0;
    float lastRecordBodyFat = 0;
    int recordCount = 0;
    float dayMaxWeight = 0;
    float dayMinWeight = 999;
    float dayMaxBodyFat = 0;
    float dayMinBodyFat = 999;

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
