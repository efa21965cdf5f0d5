// Feeds arbitrary list indexes, texts and today's dates to the analysis: it
// must either answer or throw one of its documented errors, and every text it
// produces, messages included, must be valid UTF-8.
#include <fuzzer/FuzzedDataProvider.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <variant>

#include "biorhythm.h"

namespace {

bool isValidUtf8(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead < 0x80                    ? 1
                             : lead >= 0xC2 && lead <= 0xDF ? 2
                             : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                            : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        i += length;
    }
    return true;
}

void require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

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
    const std::string dayText = input.ConsumeRemainingBytesAsString();

    try {
        biorhythm::parseChineseDate(yearText + monthText + dayText);
    } catch (const biorhythm::DateConversionError& error) {
        require(isValidUtf8(error.what()));
    }

    try {
        const auto result = biorhythm::analyseBirthDate(yearIndex, monthIndex, dayIndex, yearText,
                                                        monthText, dayText, today);
        if (const auto* report = std::get_if<biorhythm::AnalysisReport>(&result)) {
            require(yearIndex != -1 && monthIndex != -1 && dayIndex != -1);
            for (const std::string* text :
                 {&report->greeting, &report->intellect, &report->emotion, &report->physical}) {
                require(isValidUtf8(*text));
            }
        } else {
            require(yearIndex == -1 || monthIndex == -1 || dayIndex == -1);
        }
    } catch (const biorhythm::DateConversionError& error) {
        require(isValidUtf8(error.what()));
    } catch (const std::domain_error& error) {
        require(isValidUtf8(error.what()));
    }
    return 0;
}
