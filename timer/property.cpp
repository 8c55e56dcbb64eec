#include "timer/property.h"

#include <cstring>
#include <vector>

#include "platform/data_files.h"
#include "platform/little_endian.h"

namespace {

constexpr size_t OffMoveKind = 1, OffMoveSize = 2, OffMoveSpeed = 3, OffSoundKind = 4;
constexpr size_t OffColor = 8, OffWavPath = 12, OffWork = 272, OffRest = 276, OffLogOutput = 280;

}  // namespace

Property::Property(Master* owner) : master(owner) { load(); }

Property::~Property() { save(); }

void Property::setDefaults() {
    moveKind = 3;
    moveSize = 1;
    moveSpeed = 1;
    soundKind = 0;
    noticeColor = 255;
    std::memset(wavPath, 0, sizeof wavPath);
    workMinutes = 60;
    restMinutes = 5;
    currentRestMinutes = 5;
    logOutput = 1;
}

void Property::load() {
    std::vector<uint8_t> image;
    // A short (torn or foreign) file says nothing reliable about any field: use the defaults.
    if (!datafiles::readFile(ParamFileName, image, ParamFileSize) || !decode(image.data(), image.size()))
        setDefaults();
    elapsedMinutes = 0;
}

bool Property::decode(const uint8_t* image, size_t size) {
    if (size < ParamFileSize) return false;
    workMinutes = static_cast<int32_t>(readU32(image + OffWork));
    restMinutes = static_cast<int32_t>(readU32(image + OffRest));
    currentRestMinutes = restMinutes;
    logOutput = image[OffLogOutput];
    moveKind = image[OffMoveKind];
    moveSize = image[OffMoveSize];
    moveSpeed = image[OffMoveSpeed];
    noticeColor = readU32(image + OffColor);
    soundKind = image[OffSoundKind];
    // The path is taken only up to its terminator and never past its field; the copy is
    // always terminated, even when the file's field is not.
    std::memset(wavPath, 0, sizeof wavPath);
    const uint8_t* field = image + OffWavPath;
    size_t length = 0;
    while (length < WavPathSize - 1 && field[length] != 0) ++length;
    std::memcpy(wavPath, field, length);
    return true;
}

std::array<uint8_t, ParamFileSize> Property::encode() const {
    std::array<uint8_t, ParamFileSize> image{};
    writeU32(image.data() + OffWork, static_cast<uint32_t>(workMinutes));
    writeU32(image.data() + OffRest, static_cast<uint32_t>(restMinutes));  // a long rest is never saved
    image[OffLogOutput] = logOutput;
    image[OffMoveKind] = moveKind;
    image[OffMoveSize] = moveSize;
    image[OffMoveSpeed] = moveSpeed;
    writeU32(image.data() + OffColor, noticeColor);
    image[OffSoundKind] = soundKind;
    std::memcpy(image.data() + OffWavPath, wavPath, WavPathSize);
    image[OffWavPath + WavPathSize - 1] = 0;
    return image;
}

bool Property::save() const {
    const auto image = encode();
    return datafiles::replaceFile(ParamFileName, image.data(), image.size());
}

TickEvent Property::advance() {
    ++elapsedMinutes;
    switch (phase) {
    case Stopped:
        --elapsedMinutes;
        return TickStopped;
    case Working:
        if (elapsedMinutes >= workMinutes) return TickWorkEnd;
        return elapsedMinutes % 5 == 0 ? TickReminder : TickNone;
    case WorkOver:
        // Signed remainder: zero and negative multiples of five count too.
        return (static_cast<int64_t>(elapsedMinutes) - workMinutes) % 5 == 0 ? TickOverrun : TickNone;
    case Resting:
        return elapsedMinutes >= currentRestMinutes ? TickRestEnd : TickNone;
    default:
        return TickNone;
    }
}
