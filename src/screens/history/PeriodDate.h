#pragma once

#include <QString>

#include <optional>

// A date typed into a period box, read as a date rather than compared as text: year, month and
// day separated by "/" or "-", month and day with or without their leading zero, full-width
// digits as an input method types them ("2026/11/1", "2026-11-01", "２０２６／１１／１").
// The date in the list's own form ("2026/11/01"), or nothing when the text is no real day.
std::optional<QString> ReadPeriodDate(const QString &typed);
