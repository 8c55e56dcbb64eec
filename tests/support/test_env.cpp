#include "tests/support/test_env.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/data_files.h"

ScopedTimeZone::ScopedTimeZone(const char* zone) {
    if (const char* value = std::getenv("TZ")) old = value;
    setenv("TZ", zone, 1);
    tzset();
}

ScopedTimeZone::~ScopedTimeZone() {
    if (old) setenv("TZ", old->c_str(), 1);
    else unsetenv("TZ");
    tzset();
}

int64_t localTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = -1;
    return static_cast<int64_t>(std::mktime(&fields));
}

void DataFolderTest::SetUp() {
    resetFake();
    datafiles::faults() = datafiles::Faults{};
    char pattern[] = "/tmp/restwarden-test-XXXXXX";
    folder = mkdtemp(pattern);
    datafiles::setDirectory(folder);
}

void DataFolderTest::TearDown() {
    datafiles::faults() = datafiles::Faults{};
    std::filesystem::remove_all(folder);
}

void DataFolderTest::writeBytes(const std::string& name, const std::vector<uint8_t>& bytes) const {
    std::ofstream out(pathOf(name), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> DataFolderTest::readBytes(const std::string& name) const {
    std::ifstream in(pathOf(name), std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool DataFolderTest::exists(const std::string& name) const { return std::filesystem::exists(pathOf(name)); }

void MasterTest::SetUp() {
    DataFolderTest::SetUp();
    if (autoStart) start();
}

void MasterTest::start() {
    master = std::make_unique<Master>();
    theMaster = master.get();
    static int mainWindow;
    static int noticeWindow;
    master->noticeWindow = &noticeWindow;
    ASSERT_TRUE(master->onCreate(&mainWindow));
}

void MasterTest::TearDown() {
    master.reset();
    theMaster = nullptr;
    DataFolderTest::TearDown();
}
