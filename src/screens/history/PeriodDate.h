#pragma once

#include <QString>

#include <optional>

// A date typed into a period box, read as a date rather than compared as text: year, month and
// day separated by "/" or "-", month and day with or without their leading zero, full-width
// digits as an input method types them ("2026/11/1", "2026-11-01", "２０２６／１１／１").
// The date in the list's own form ("2026/11/01"), or nothing when the text is no real day.
std::optional<QString> ReadPeriodDate(const QString &typed);

// Why a period admits no date at all, or nothing when it admits some: an empty last day, or a
// last day before the first (both compared as the list compares them, as text). An empty first
// day admits every date up to the last.
QString EmptyPeriodReason(const QString &firstDay, const QString &lastDay);
