#pragma once

// A private program folder for skin tests: the fixture documents and language files of
// tests/data/skin copied in, small bitmaps written into skins/, and the program folder, the
// resource cache and the language state reset around each test.

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QColor>

#include <filesystem>
#include <string>

namespace quor::skin::test {

class SkinTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::filesystem::path Folder(const std::string& name) const { return m_dir.Path() / name; }
    // Writes a document into xml/ (8-bit text as given).
    void WriteDocument(const std::string& name, const std::string& text) const;
    void WriteBitmap(const std::string& name, int width, int height, QColor colour, const char* format = "BMP") const;

    quor::test::TempDir m_dir;
};

} // namespace quor::skin::test
