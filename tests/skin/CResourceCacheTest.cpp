#include "SkinTestFolder.h"

#include "skin/CResourceCache.h"
#include "skin/PrivateCopy.h"

#include <QFontDatabase>

#include <filesystem>
#include <fstream>

using namespace quor::skin;
using quor::skin::test::SkinTest;

TEST_F(SkinTest, EachFileIsLoadedOncePerNameAndKind)
{
    auto& cache = CResourceCache::Instance();
    const CResource* first = cache.GetResource(u"small.bmp", ResourceKind::Picture);
    ASSERT_TRUE(first->HasObject());
    EXPECT_EQ(first->m_image.size(), QSize(4, 4));

    // Changing the file on disk changes nothing: the record is not loaded again.
    WriteBitmap("small.bmp", 8, 8, Qt::black);
    EXPECT_EQ(cache.GetResource(u"SMALL.BMP", ResourceKind::Picture), first);
    EXPECT_EQ(first->m_image.size(), QSize(4, 4));

    const CResource* device = cache.GetResource(u"small.bmp", ResourceKind::DeviceBitmap);
    EXPECT_NE(device, first);
    EXPECT_EQ(device->m_image.size(), QSize(8, 8));
    EXPECT_EQ(cache.RecordCount(), 2u);
    EXPECT_EQ(cache.ResourceSize(u"small.bmp"), 0u) << "the picture record comes first and has no size";
}

TEST_F(SkinTest, AMissingFileIsLookedForOnce)
{
    auto& cache = CResourceCache::Instance();
    EXPECT_EQ(GetPicture(u"later.bmp"), nullptr);
    WriteBitmap("later.bmp", 2, 2, Qt::white);
    EXPECT_EQ(GetPicture(u"later.bmp"), nullptr);
    EXPECT_EQ(cache.RecordCount(), 1u);
}

TEST_F(SkinTest, PictureLoaderDecodesAnyFormatAndTheBitmapLoaderOnlyBmp)
{
    WriteBitmap("photo.jpg", 3, 2, Qt::white, "JPG");
    EXPECT_TRUE(GetPicture(u"track.png"));
    EXPECT_TRUE(GetPicture(u"photo.jpg"));
    EXPECT_FALSE(GetDeviceBitmap(u"track.png"));
    std::ofstream(Folder("skins/text.bmp")) << "not a picture";
    EXPECT_FALSE(GetPicture(u"text.bmp"));
    std::filesystem::create_directory(Folder("skins/folder.bmp"));
    EXPECT_FALSE(GetPicture(u"folder.bmp"));
    EXPECT_FALSE(GetDeviceBitmap(u"folder.bmp"));
    for (const char16_t* outside : {u"../lang/english.txt", u"/etc/passwd", u"..\\xml\\Rules.xml", u""})
        EXPECT_FALSE(GetPicture(outside));
}

TEST_F(SkinTest, RawFilesAndFontFiles)
{
    auto& cache = CResourceCache::Instance();
    const CResource* raw = cache.GetResource(u"english.txt", ResourceKind::RawFile);
    ASSERT_TRUE(raw->HasObject());
    EXPECT_EQ(raw->m_size, std::filesystem::file_size(Folder("lang/english.txt")));
    EXPECT_EQ(cache.ResourceSize(u"ENGLISH.TXT"), raw->m_size);
    std::ofstream(Folder("lang/empty.txt")).flush();
    EXPECT_FALSE(cache.GetResource(u"empty.txt", ResourceKind::RawFile)->HasObject());

    const std::filesystem::path font = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    if (!std::filesystem::exists(font))
        GTEST_SKIP() << "no font file to register";
    std::filesystem::copy(font, Folder("fonts/Face.ttf"));
    const CResource* record = cache.GetResource(u"Face.ttf", ResourceKind::FontFile);
    ASSERT_TRUE(record->HasObject());
    EXPECT_TRUE(QFontDatabase::applicationFontFamilies(record->m_fontId).contains(QStringLiteral("DejaVu Sans")));
    const int id = record->m_fontId;
    cache.ReleaseAll();
    EXPECT_TRUE(QFontDatabase::applicationFontFamilies(id).isEmpty());
    EXPECT_FALSE(cache.GetResource(u"missing.ttf", ResourceKind::FontFile)->HasObject());
}

TEST(PrivateCopy, CopiesTheTopLeftPartWithoutScaling)
{
    QImage source(4, 4, QImage::Format_RGB32);
    source.fill(Qt::red);
    source.setPixel(1, 1, qRgb(0, 0, 255));
    const QImage copy = MakePrivateCopy(source, 6, 2).toImage();
    ASSERT_EQ(copy.size(), QSize(6, 2));
    EXPECT_EQ(copy.pixel(1, 1), qRgb(0, 0, 255));
    EXPECT_EQ(copy.pixel(3, 0), qRgb(255, 0, 0));
    EXPECT_EQ(copy.pixel(5, 1), qRgb(0, 0, 0)) << "outside the source the copy is black";
    EXPECT_TRUE(MakePrivateCopy(source, 0, 5).isNull());
}
