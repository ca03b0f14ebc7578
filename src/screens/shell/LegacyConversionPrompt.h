#pragma once

#include "screens/shell/ScreenContext.h"

#include <QString>

#include <functional>
#include <optional>

struct LegacyConversionReport;
class StoreResult;

// The start-up's offer to bring weight histories kept in older layouts into partner 1's data
// file (`currentDataFile` at that point of the start-up), before the entry screen first reads it.
// Each conversion asks for the current body fat, which the older layouts lack; an empty or
// cancelled answer leaves everything as it is, and the question comes again at the next start.
class LegacyConversionPrompt
{
public:
    explicit LegacyConversionPrompt(ScreenContext &context) : m_ctx(context) {}

    // Runs before the first box opens: the splash window stays on top and would hide it.
    void setBeforeAsking(std::function<void()> beforeAsking) { m_beforeAsking = std::move(beforeAsking); }

    // "連続体重.txt" into the data file.
    void ConvertWeightHistoryFile();
    // The older program's data file (no body fat) rewritten with one.
    void ConvertOlderDataFile();

private:
    std::optional<float> askBodyFat(const QString &detected);
    // Today's backup holds the data file as it is before it is replaced; false (and said) when
    // it cannot be made, and then nothing is converted.
    bool backUpDataFile();
    void tell(const StoreResult &result, const LegacyConversionReport &report);

    ScreenContext &m_ctx;
    std::function<void()> m_beforeAsking;
};
