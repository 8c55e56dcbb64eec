// A fresh data folder and a fresh fake platform for each test, and a running Master.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "app/master.h"
#include "platform/data_files.h"
#include "records/day_record.h"
#include "tests/support/fake_platform.h"
#include "timer/property.h"

// Several integer fields as one list, compared and printed at once: ints(p.workMinutes, p.restMinutes).
template <class... T>
std::vector<int64_t> ints(const T&... values) {
    return {static_cast<int64_t>(values)...};
}

// Sets TZ for the life of the object and puts the old value back afterwards.
struct ScopedTimeZone {
    explicit ScopedTimeZone(const char* zone) {
        if (const char* value = std::getenv("TZ")) old = value;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedTimeZone() {
        if (old) setenv("TZ", old->c_str(), 1);
        else unsetenv("TZ");
        tzset();
    }
    std::optional<std::string> old;
};

// Seconds since 1970 of a local wall-clock time in the current TZ.
inline int64_t localTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    std::tm fields{};
    fields.tm_year = year - 1900, fields.tm_mon = month - 1, fields.tm_mday = day;
    fields.tm_hour = hour, fields.tm_min = minute, fields.tm_sec = second, fields.tm_isdst = -1;  // DST as TZ has it
    return static_cast<int64_t>(std::mktime(&fields));
}

// Makes and enters an empty temporary data folder; removes it afterwards.
class DataFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetFake();
        char pattern[] = "/tmp/restwarden-test-XXXXXX";
        folder = mkdtemp(pattern);
        datafiles::setDirectory(folder);
    }
    void TearDown() override {
        datafiles::faults() = datafiles::Faults{};  // for the next test, whatever this one injected
        std::filesystem::remove_all(folder);
    }

    std::string folder;
    std::string pathOf(const std::string& name) const { return folder + "/" + name; }
    bool exists(const std::string& name) const { return std::filesystem::exists(pathOf(name)); }
    void writeBytes(const std::string& name, const std::vector<uint8_t>& bytes) const {
        std::ofstream(pathOf(name), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    std::vector<uint8_t> readBytes(const std::string& name) const {
        std::ifstream in(pathOf(name), std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
};

// A Master built in the data folder with its main window "created".
class MasterTest : public DataFolderTest {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        if (autoStart) start();
    }
    void TearDown() override {
        master.reset();
        theMaster = nullptr;
        DataFolderTest::TearDown();
    }
    void start() {  // builds Master and runs its window creation (if not done by SetUp)
        master = std::make_unique<Master>();
        theMaster = master.get();
        static int mainWindow, noticeWindow;
        master->noticeWindow = &noticeWindow;
        ASSERT_TRUE(master->onCreate(&mainWindow));
    }
    Property& p() { return *master->property; }
    void ticks(int n) { for (int i = 0; i < n; ++i) master->tick(); }

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
