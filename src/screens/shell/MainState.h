#pragma once

#include "screens/analyses/TrendData.h"
#include "screens/entry/EntryDay.h"
#include "store/Profile.h"

#include <QDate>
#include <QString>

// What the window remembers between events and the screens share. Nothing here is saved on
// exit: every change that matters is written to its file when it is made.
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
    // The captions of the two partner buttons.
    QString nickname1;
    QString nickname2;
    float targetWeightOfPartner1 = 0;
    float targetWeightOfPartner2 = 0;

    // settings
    QString weightStep = QStringLiteral("0.1");
    QString fatStep = QStringLiteral("0.1");
    int markerStyle = 1;
    // Whether a save on today's date writes the time of day as its comment.
    bool autoTimeStamp = false;
    QString memoText;

    // The number of measurements in the current data file, as the entry refresh or the trend
    // data last counted them; the body metrics and the analysis lists do nothing while it is 0.
    int recordCount = 0;

    // entry screen
    QString selectedSituation;
    // What the last refresh of the entry screen found: the start of the diet, the latest and the
    // last measurement and the day's extremes.
    EntryDay entry;

    // trend graph: the data set the trend screen and the analysis lists read, and the best
    // weight it held, kept from start-up on (999.9 until the first load).
    TrendData trend;
    float recordMinWeight = 999.9f;
    QDate recordMinDate;

    // situation list editor: the entry under the pointer when the mouse button went down
    QString dragText;
    int dragIndex = -1;

    // BMI gauges
    float currentBmi = 0;
    float meterBmi = 0;
    QString bmiJudgement;
    bool meterSetByProgram = false;

    // new couple registration
    int newCoupleStage = 1;
};
