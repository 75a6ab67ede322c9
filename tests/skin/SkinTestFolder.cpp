#include "SkinTestFolder.h"

#include "skin/CResourceCache.h"
#include "skin/Language.h"
#include "skin/ProgramFolder.h"

#include <QImage>
#include <QPainter>

#include <fstream>

namespace quor::skin::test {

void SkinTest::SetUp()
{
    namespace fs = std::filesystem;
    const fs::path data = fs::path(QUOR_TEST_DATA) / "skin";
    for (const char* folder : {"xml", "lang"})
        fs::copy(data / folder, Folder(folder), fs::copy_options::recursive);
    fs::create_directories(Folder("skins"));
    fs::create_directories(Folder("fonts"));
    WriteBitmap("bg.bmp", 40, 30, QColor(10, 20, 30));
    WriteBitmap("btn_n.bmp", 20, 10, Qt::red);
    WriteBitmap("btn_o.bmp", 20, 10, Qt::green);
    WriteBitmap("btn_d.bmp", 20, 10, Qt::blue);
    WriteBitmap("btn_ds.bmp", 20, 10, Qt::gray);
    WriteBitmap("small.bmp", 4, 4, Qt::yellow);
    WriteBitmap("handle.bmp", 6, 10, Qt::cyan);
    WriteBitmap("thumb.bmp", 12, 12, Qt::magenta);
    WriteBitmap("track.png", 100, 10, QColor(1, 2, 3), "PNG");
    // A ring: black border on white, the centre left out of the shape.
    QImage mask(40, 30, QImage::Format_RGB32);
    mask.fill(Qt::white);
    {
        QPainter painter(&mask);
        painter.fillRect(0, 0, 40, 30, Qt::black);
        painter.fillRect(10, 10, 20, 10, Qt::white);
    }
    mask.save(QString::fromStdString(Folder("skins/mask.bmp").string()), "BMP");
    SetProgramFolder(m_dir.Path());
}

void SkinTest::TearDown()
{
    SetCurrentLanguage(nullptr);
    CResourceCache::Instance().ReleaseAll();
}

void SkinTest::WriteDocument(const std::string& name, const std::string& text) const
{
    std::ofstream(Folder("xml") / name, std::ios::binary) << text;
}

void SkinTest::WriteBitmap(const std::string& name, int width, int height, QColor colour, const char* format) const
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    image.save(QString::fromStdString(Folder("skins/" + name).string()), format);
}

} // namespace quor::skin::test
