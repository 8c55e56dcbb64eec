// param.dat of any length and content: the settings reader takes it or falls back to the
// defaults, and the path it keeps is always terminated inside its field.
#include <cstring>
#include <vector>

#include "tests/fuzz/fuzz_support.h"
#include "timer/property.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::useFolder();
    fuzz::writeFile(ParamFileName, data, size);
    // One Property for the whole run: its destruction would save the file.
    static Property* property = new Property(nullptr);
    property->load();
    fuzz::require(std::memchr(property->wavPath, 0, sizeof property->wavPath) != nullptr);
    if (size < ParamFileSize) fuzz::require(property->workMinutes == 60 && property->logOutput == 1);
    const auto image = property->encode();
    // The image it encodes decodes to the same settings.
    std::vector<uint8_t> copy(image.begin(), image.end());
    fuzz::require(property->decode(copy.data(), copy.size()));
    fuzz::require(property->encode() == image);
    return 0;
}
