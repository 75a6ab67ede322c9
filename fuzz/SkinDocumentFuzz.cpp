// libFuzzer target: a skin document's bytes through the loader, with a program folder whose
// skins/ and lang/ hold a few real files, so that the bytes can reach every element rule.

#include "skin/CGUIItemList.h"
#include "skin/CResourceCache.h"
#include "skin/Language.h"
#include "skin/ProgramFolder.h"
#include "skin/SkinLoader.h"

#include <QApplication>
#include <QImage>
#include <QWidget>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

QWidget* g_owner = nullptr;

void MakeProgramFolder()
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "quor-skin-fuzz";
    fs::create_directories(folder / "skins");
    fs::create_directories(folder / "lang");
    fs::create_directories(folder / "xml");
    fs::create_directories(folder / "fonts");
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::black);
    image.setPixel(3, 3, qRgb(255, 255, 255));
    for (const char* name : {"a.bmp", "b.bmp", "m.bmp"})
        image.save(QString::fromStdString((folder / "skins" / name).string()), "BMP");
    image.save(QString::fromStdString((folder / "skins" / "p.png").string()), "PNG");
    const char16_t lang[] = u"T\r\nh\r\nSingle Key\r\nX\r\nEND OF FILE\r\n";
    std::ofstream(folder / "lang" / "l.txt", std::ios::binary)
        .write(reinterpret_cast<const char*>(lang), sizeof(lang) - sizeof(char16_t));
    quor::skin::SetProgramFolder(folder);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    g_owner = new QWidget;
    MakeProgramFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<char> bytes(data, data + size);
    {
        quor::skin::CGUIItemList list;
        quor::skin::LoadSkinDocumentBytes(bytes, list, g_owner);
        // Languages the document made become current, so that later lookups run through them.
        if (auto* language = quor::skin::LanguageFromMap(314))
            quor::skin::SetCurrentLanguage(language);
        quor::skin::ShowItems(list, false);
    }
    quor::skin::CResourceCache::Instance().ReleaseAll();
    return 0;
}
