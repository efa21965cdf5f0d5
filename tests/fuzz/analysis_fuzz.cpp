// Feeds arbitrary list indexes, texts and today's dates to the analysis: it
// must answer, with a report only for three choices, or throw one of its
// documented errors; anything else, or a sanitizer finding, is a crash.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "biorhythm.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto yearIndex = input.ConsumeIntegral<std::int16_t>();
    const auto monthIndex = input.ConsumeIntegral<std::int16_t>();
    const auto dayIndex = input.ConsumeIntegral<std::int16_t>();
    const std::chrono::year_month_day today{
        std::chrono::year{input.ConsumeIntegralInRange<int>(-32767, 32767)},
        std::chrono::month{input.ConsumeIntegral<std::uint8_t>()},
        std::chrono::day{input.ConsumeIntegral<std::uint8_t>()}};
    const std::string yearText = input.ConsumeRandomLengthString(64);
    const std::string monthText = input.ConsumeRandomLengthString(64);
    try {
        const auto result =
            biorhythm::analyseBirthDate(yearIndex, monthIndex, dayIndex, yearText, monthText,
                                        input.ConsumeRemainingBytesAsString(), today);
        const bool allChosen = yearIndex != -1 && monthIndex != -1 && dayIndex != -1;
        if (std::holds_alternative<biorhythm::AnalysisReport>(result) != allChosen) std::abort();
    } catch (const biorhythm::DateConversionError&) {
    } catch (const std::domain_error&) {
    }
    return 0;
}
