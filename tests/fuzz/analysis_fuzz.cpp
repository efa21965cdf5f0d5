// Feeds arbitrary list indexes, texts and today's dates to the analysis: it
// must answer, with a report only for three choices, or throw one of its
// documented errors; anything else, or a sanitizer finding, is a crash.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "biorhythm.h"

using namespace std::chrono;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    std::int16_t indexes[3];
    for (std::int16_t& index : indexes) index = input.ConsumeIntegral<std::int16_t>();
    const year_month_day today{year{input.ConsumeIntegralInRange<int>(-32767, 32767)},
                               month{input.ConsumeIntegral<std::uint8_t>()},
                               day{input.ConsumeIntegral<std::uint8_t>()}};
    std::string texts[3];
    for (std::string& text : texts) text = input.ConsumeRandomLengthString(64);
    try {
        const auto result = biorhythm::analyseBirthDate(indexes[0], indexes[1], indexes[2],
                                                        texts[0], texts[1], texts[2], today);
        const bool allChosen = indexes[0] != -1 && indexes[1] != -1 && indexes[2] != -1;
        if (std::holds_alternative<biorhythm::AnalysisReport>(result) != allChosen) std::abort();
    } catch (const biorhythm::DateConversionError&) {
    } catch (const std::domain_error&) {
    }
    return 0;
}
