// A fresh data folder and a fresh fake platform for each test, and a running Master.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/master.h"
#include "records/day_record.h"
#include "tests/support/fake_platform.h"
#include "timer/property.h"

// Several integer fields as one list, compared and printed at once:
// EXPECT_EQ(ints(p.workMinutes, p.restMinutes), ints(25, 10)).
template <class... T>
std::vector<int64_t> ints(const T&... values) {
    return {static_cast<int64_t>(values)...};
}

// Sets TZ for the life of the object and puts the old value back afterwards.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone);
    ~ScopedTimeZone();
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    std::optional<std::string> old;
};

// Seconds since 1970 of a local wall-clock time in the current TZ.
int64_t localTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// Makes and enters an empty temporary data folder; removes it afterwards.
class DataFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string folder;
    std::string pathOf(const std::string& name) const { return folder + "/" + name; }
    void writeBytes(const std::string& name, const std::vector<uint8_t>& bytes) const;
    std::vector<uint8_t> readBytes(const std::string& name) const;
    bool exists(const std::string& name) const;
};

// A Master built in the data folder with its main window "created".
class MasterTest : public DataFolderTest {
protected:
    void SetUp() override;
    void TearDown() override;
    void start();  // builds Master and runs its window creation (if not done by SetUp)
    Property& p() { return *master->property; }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) master->tick();
    }

    std::unique_ptr<Master> master;
    bool autoStart = true;
};

// Minute index of hh:mm, for day records painted range by range.
constexpr int at(int hour, int minute) { return hour * 60 + minute; }

// Sets minutes first..last (both included) to `code`.
inline void paint(DayRecord& record, int first, int last, int code) {
    for (int i = first; i <= last; ++i) record.minutes[i] = static_cast<int8_t>(code);
}

// The records one after another, as state.dat holds them.
inline std::vector<uint8_t> imagesOf(const std::vector<DayRecord>& records) {
    std::vector<uint8_t> bytes;
    for (const DayRecord& r : records) {
        const DayRecordImage image = encodeDayRecord(r);
        bytes.insert(bytes.end(), image.begin(), image.end());
    }
    return bytes;
}
