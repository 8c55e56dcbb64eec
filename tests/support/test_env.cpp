#include "tests/support/test_env.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/data_files.h"

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
