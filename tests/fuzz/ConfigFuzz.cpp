// libFuzzer target: any bytes as the settings file.  Besides not crashing,
// what is read must make sense and survive a save and a load unchanged.
//
// The seed "mixed" ends in a CR: a reader that looks for an LF after it
// without asking whether there is a byte reads past the input, which
// AddressSanitizer sees here.  The unit tests can't: their std::string has
// its terminator there.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/ConfigFile.h"
#include "settings/ConfigFile.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::string WithoutBlanks(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            out.push_back(c);
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const settings::LoadedConfig config = settings::ParseConfig(bytes);
    Require(config.autoTray == 0 || config.autoTray == 1);
    if (config.hotKey) {
        const settings::LoadedConfig back =
            settings::ParseConfig(settings::FormatConfig(*config.hotKey, config.autoTray == 1));
        Require(back.hotKey == config.hotKey && back.autoTray == config.autoTray);
    }

    // Blanks, tabs and line feeds never change a number.
    const std::optional<double> number = settings::LeadingNumber(bytes);
    const std::optional<double> compact = settings::LeadingNumber(WithoutBlanks(bytes));
    Require(number.has_value() == compact.has_value());
    Require(!number || *number == *compact);
    return 0;
}
