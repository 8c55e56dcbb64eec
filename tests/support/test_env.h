// A fresh data folder and a fresh fake platform for each test, and a running Master.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/master.h"
#include "tests/support/fake_platform.h"

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
    void ticks(int n) {
        for (int i = 0; i < n; ++i) master->tick();
    }

    std::unique_ptr<Master> master;
    bool autoStart = true;
};
